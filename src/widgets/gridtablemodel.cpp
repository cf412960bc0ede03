#include "widgets/gridtablemodel.h"

#include <algorithm>

namespace pirumo {

namespace {

QColor ToColor(Rgb colour) {
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

// Spreadsheet column letters: A..Z, AA..
QString ColumnLetters(int column) {
    QString letters;
    for (int n = column; n > 0; n = (n - 1) / 26) {
        letters.prepend(QChar(u'A' + (n - 1) % 26));
    }
    return letters;
}

}  // namespace

GridTableModel::GridTableModel(ResultGrid& grid, QObject* parent)
    : QAbstractTableModel(parent), mGrid(grid) {}

int GridTableModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) {
        return 0;
    }
    return mRowLimit < 0 ? mGrid.RowCount() : std::min(mRowLimit, mGrid.RowCount());
}

int GridTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : mGrid.ColumnCount();
}

GridCellLook GridTableModel::LookAt(int column, int row) const {
    return LookAt(column, row, mGrid.RowTextSpans(row));
}

GridCellLook GridTableModel::LookAt(int column, int row,
                                    const std::vector<ResultGrid::TextSpan>& rowSpans) const {
    const auto spanAt = [&rowSpans](int c) { return rowSpans[static_cast<std::size_t>(c)]; };
    const CellStyle& style = mGrid.StyleAt(column, row);
    GridCellLook look;
    look.back = ToColor(style.back);
    look.borders = style.borders;
    for (std::size_t side = 0; side < look.borderColours.size(); ++side) {
        look.borderColours[side] = ToColor(style.borderColours[side]);
    }
    look.editable = style.type == CellType::EditText;

    int textColumn = column;
    const std::string* text = &mGrid.CellText(column, row);
    if (text->empty()) {
        const ResultGrid::TextSpan span = spanAt(column);
        if (!span.HasText() || span.source == column) {
            return look;
        }
        textColumn = span.source;
        text = &mGrid.CellText(textColumn, row);
    }
    const CellStyle& textStyle = textColumn == column ? style : mGrid.StyleAt(textColumn, row);
    look.text = QString::fromUtf8(text->data(), static_cast<qsizetype>(text->size()));
    look.textColumnOffset = textColumn - column;
    if (mGrid.AllowOverflow()) {
        const ResultGrid::TextSpan span = spanAt(textColumn);
        look.confined = span.first == span.last;
    }
    look.leftAligned = textStyle.align == HAlign::Left;
    look.fore = ToColor(textStyle.fore);
    return look;
}

QVariant GridTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const int column = index.column() + 1;
    const int row = index.row() + 1;
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return QString::fromUtf8(mGrid.CellText(column, row));
        case kLookRole:
            return QVariant::fromValue(LookAt(column, row));
        default:
            return {};
    }
}

bool GridTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) {
        return false;
    }
    const int column = index.column() + 1;
    const int row = index.row() + 1;
    if (mEditHandler) {
        if (!mEditHandler(column, row, value.toString())) {
            return false;
        }
    } else {
        mGrid.SetCellText(column, row, value.toString().toStdString());
    }
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole, kLookRole});
    return true;
}

Qt::ItemFlags GridTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    if (mGrid.StyleAt(index.column() + 1, index.row() + 1).type == CellType::EditText) {
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
    }
    return Qt::ItemIsEnabled;
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return {};
    }
    const int n = section + 1;
    const std::string& text =
        orientation == Qt::Horizontal ? mGrid.CellText(n, 0) : mGrid.CellText(0, n);
    if (!text.empty()) {
        return QString::fromUtf8(text);
    }
    return orientation == Qt::Horizontal ? ColumnLetters(n) : QString::number(n);
}

void GridTableModel::Reload() {
    beginResetModel();
    endResetModel();
}

void GridTableModel::LimitRows(int rows) {
    beginResetModel();
    mRowLimit = rows;
    endResetModel();
}

}  // namespace pirumo
