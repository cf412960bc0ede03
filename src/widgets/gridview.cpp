#include "widgets/gridview.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QRawFont>
#include <QScrollBar>
#include <algorithm>
#include <cmath>
#include <vector>

#include "widgets/griddelegate.h"
#include "widgets/gridtablemodel.h"

namespace pirumo {

namespace {

constexpr double kColumnPaddingAt96Dpi = 3.0;  // pixels added to the characters' width
// Pixels a row needs besides its font's em box: its bottom border line and one to spare.
constexpr int kRowPaddingPixels = 2;

// The font's typographic ascent plus descent (OpenType OS/2), in ems: the box that every
// Japanese glyph is designed into. The line ascent and descent that QFontMetrics gives include
// room for accents above capitals and would make rows half as tall again.
double TypographicHeightInEms(const QFont& font) {
    const QRawFont raw = QRawFont::fromFont(font);
    const QByteArray os2 = raw.fontTable("OS/2");
    constexpr int kTypoAscender = 68;  // byte offsets of two big-endian int16 fields
    constexpr int kTypoDescender = 70;
    if (os2.size() >= kTypoDescender + 2 && raw.unitsPerEm() > 0) {
        const auto field = [&os2](int offset) {
            return static_cast<qint16>((static_cast<quint8>(os2[offset]) << 8) |
                                       static_cast<quint8>(os2[offset + 1]));
        };
        return (field(kTypoAscender) - field(kTypoDescender)) / raw.unitsPerEm();
    }
    const QFontMetricsF metrics(font);
    return (metrics.ascent() + metrics.descent()) / QFontInfo(font).pixelSize();
}

// Pixels of a row `points` high at `dpi`, never fewer than `least`.
int RowPixels(double points, int dpi, int least) {
    return std::max(static_cast<int>(std::lround(points * dpi / 72.0)), least);
}

Qt::ScrollBarPolicy PolicyFor(bool wanted) {
    return wanted ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
}

struct PaintedCell {
    QModelIndex index;
    QRect rect;
    GridCellLook look;
};

}  // namespace

QFont GridFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Meiryo UI"),
                      QStringLiteral("MS UI Gothic")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(9.0);
    return font;
}

GridView::GridView(QWidget* parent) : QTableView(parent) {
    mDelegate = new GridDelegate(*this);
    setItemDelegate(mDelegate);
    setFont(GridFont());
    setShowGrid(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
        header->setMinimumSectionSize(1);
        header->setSectionResizeMode(QHeaderView::Fixed);
        header->setHighlightSections(false);
    }
}

GridView::~GridView() = default;

void GridView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    const bool refused = mDelegate->TakeRefusal();
    if (!refused || hint == QAbstractItemDelegate::RevertModelCache) {
        QTableView::closeEditor(editor, hint);
        return;
    }
    // Moving to another cell has already made that one current: come back once it has.
    const QPersistentModelIndex cell = indexAt(editor->geometry().center());
    QMetaObject::invokeMethod(
        this,
        [this, cell, kept = QPointer<QWidget>(editor)] {
            if (kept == nullptr) {
                return;
            }
            if (cell.isValid() && currentIndex() != cell) {
                selectionModel()->setCurrentIndex(cell, QItemSelectionModel::NoUpdate);
            }
            // Focus taken by another window or control is left there.
            if (QApplication::focusWidget() == this) {
                kept->setFocus();
            }
        },
        Qt::QueuedConnection);
}

void GridView::SetGrid(ResultGrid& grid) {
    auto* old = mModel;
    mModel = new GridTableModel(grid, this);
    setModel(mModel);
    ApplySizes();
    ApplyPresentation();
    ShowFrozenRows();  // before the old model, which the frozen rows may still show, goes
    delete old;
}

void GridView::Refresh() {
    if (mModel == nullptr) {
        return;
    }
    mModel->Reload();
    ApplySizes();
    ApplyPresentation();
    ShowFrozenRows();
}

void GridView::SetFrozenRows(int rows) {
    mFrozenRowCount = rows;
    ShowFrozenRows();
}

void GridView::ShowFrozenRows() {
    if (mFrozenRowCount <= 0 || mModel == nullptr) {
        if (mFrozenRows != nullptr) {
            mFrozenRows->hide();
        }
        return;
    }
    if (mFrozenRows == nullptr) {
        mFrozenRows = new GridView(this);
        mFrozenRows->setObjectName(QStringLiteral("frozenRows"));
        mFrozenRows->setFrameShape(QFrame::NoFrame);
        mFrozenRows->setFocusPolicy(Qt::NoFocus);
        // Clicks and the wheel reach the rows underneath, which do scroll.
        mFrozenRows->setAttribute(Qt::WA_TransparentForMouseEvents);
        connect(horizontalScrollBar(), &QScrollBar::valueChanged,
                mFrozenRows->horizontalScrollBar(), &QScrollBar::setValue);
    }
    // A model of its own that holds only the frozen rows: a header of every row of a long
    // history in a second view would double the memory the headers take.
    if (mFrozenSource != mModel) {
        mFrozenSource = mModel;
        auto* old = mFrozenRows->mModel;
        mFrozenRows->mModel = new GridTableModel(mModel->Grid(), mFrozenRows);
        // Limited before the view sees it: headers keep the room of every row they once had.
        mFrozenRows->mModel->LimitRows(mFrozenRowCount);
        mFrozenRows->setModel(mFrozenRows->mModel);
        delete old;
        connect(mModel, &QAbstractItemModel::dataChanged, mFrozenRows->viewport(),
                qOverload<>(&QWidget::update));
    } else {
        mFrozenRows->mModel->LimitRows(mFrozenRowCount);  // and shows the grid's changes
    }
    mFrozenRows->ApplySizes();
    mFrozenRows->ApplyPresentation();
    mFrozenRows->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mFrozenRows->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    PlaceFrozenRows();
    mFrozenRows->show();
}

// Over the header and the first rows, as wide as the rows are shown; the scroll bars stay free.
void GridView::PlaceFrozenRows() {
    if (mFrozenRows == nullptr || mFrozenRows->isHidden() || mModel == nullptr) {
        return;
    }
    const QRect shown = viewport()->geometry();
    int height = shown.top() - frameWidth();
    for (int r = 0; r < std::min(mFrozenRowCount, mModel->rowCount()); ++r) {
        height += rowHeight(r);
    }
    mFrozenRows->setGeometry(frameWidth(), frameWidth(), shown.right() + 1 - frameWidth(),
                             std::min(height, shown.bottom() + 1 - frameWidth()));
    mFrozenRows->horizontalScrollBar()->setValue(horizontalScrollBar()->value());
    mFrozenRows->raise();
}

void GridView::updateGeometries() {
    QTableView::updateGeometries();
    PlaceFrozenRows();
}

void GridView::UpdateScrollRanges() {
    executeDelayedItemsLayout();
    updateGeometries();
}

QPoint GridView::ScrollPosition() const {
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

bool GridView::ShowsLastRow() const {
    return verticalScrollBar()->value() == verticalScrollBar()->maximum();
}

void GridView::ScrollTo(QPoint position) {
    UpdateScrollRanges();
    horizontalScrollBar()->setValue(position.x());
    verticalScrollBar()->setValue(position.y());
}

void GridView::ScrollToLastRow() {
    UpdateScrollRanges();
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

int GridView::ColumnWidthPixels(double characters) const {
    const QFontMetricsF metrics(font(), this);
    const double padding = kColumnPaddingAt96Dpi * logicalDpiX() / 96.0;
    return static_cast<int>(std::lround(characters * metrics.horizontalAdvance(u'0') + padding));
}

int GridView::RowHeightPixels(double points) const {
    return RowPixels(points, logicalDpiY(), MinimumRowPixels());
}

int GridView::MinimumRowPixels() const {
    const double em = font().pointSizeF() * logicalDpiY() / 72.0;
    return static_cast<int>(std::ceil(TypographicHeightInEms(font()) * em)) + kRowPaddingPixels;
}

void GridView::ApplySizes() {
    const ResultGrid& grid = mModel->Grid();
    QHeaderView* columns = horizontalHeader();
    for (int c = 1; c <= grid.ColumnCount(); ++c) {
        columns->resizeSection(c - 1, ColumnWidthPixels(grid.ColumnWidth(c)));
    }
    // Most rows share one height: make it the default and resize only the others, which keeps
    // set-up fast for long histories. The least height reads the font's tables: once, not per row.
    QHeaderView* rows = verticalHeader();
    const int least = MinimumRowPixels();
    const auto rowPixels = [dpi = logicalDpiY(), least](double points) {
        return RowPixels(points, dpi, least);
    };
    if (grid.RowCount() > 0) {
        const int common = rowPixels(grid.RowHeight(grid.RowCount()));
        rows->setDefaultSectionSize(common);
        for (int r = 1; r <= grid.RowCount(); ++r) {
            const int height = rowPixels(grid.RowHeight(r));
            if (height != common) {
                rows->resizeSection(r - 1, height);
            }
        }
    }
    // The first row holds its top border line as well as its bottom one: at the least height the
    // tops of its ideographs would be drawn over.
    if (grid.RowCount() > 0 && rowPixels(grid.RowHeight(1)) == least) {
        rows->resizeSection(0, least + 1);
    }
    columns->setFixedHeight(rowPixels(grid.RowHeight(0)));
    rows->setFixedWidth(ColumnWidthPixels(grid.ColumnWidth(0)));
}

void GridView::ApplyPresentation() {
    const ResultGrid& grid = mModel->Grid();
    horizontalHeader()->setVisible(grid.ColumnHeadersVisible());
    verticalHeader()->setVisible(grid.RowHeadersVisible());
    const ScrollBars bars = grid.GetScrollBars();
    setHorizontalScrollBarPolicy(
        PolicyFor(bars == ScrollBars::Horizontal || bars == ScrollBars::Both));
    setVerticalScrollBarPolicy(PolicyFor(bars == ScrollBars::Vertical || bars == ScrollBars::Both));
    selectionModel()->clearSelection();
    if (grid.ActiveColumn() >= 1 && grid.ActiveRow() >= 1) {
        setCurrentIndex(mModel->index(grid.ActiveRow() - 1, grid.ActiveColumn() - 1));
    } else {
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::Clear);
    }
    updateGeometry();
}

QSize GridView::sizeHint() const {
    if (mModel == nullptr) {
        return QTableView::sizeHint();
    }
    const ResultGrid& grid = mModel->Grid();
    const int shownColumns = grid.VisibleColumns() > 0
                                 ? std::min(grid.VisibleColumns(), grid.ColumnCount())
                                 : grid.ColumnCount();
    const int shownRows =
        grid.VisibleRows() > 0 ? std::min(grid.VisibleRows(), grid.RowCount()) : grid.RowCount();
    int width = 2 * frameWidth();
    int height = 2 * frameWidth();
    for (int c = 0; c < shownColumns; ++c) {
        width += columnWidth(c);
    }
    for (int r = 0; r < shownRows; ++r) {
        height += rowHeight(r);
    }
    if (verticalHeader()->isVisibleTo(this)) {
        width += verticalHeader()->width();
    }
    if (horizontalHeader()->isVisibleTo(this)) {
        height += horizontalHeader()->height();
    }
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    if (verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff && shownRows < grid.RowCount()) {
        width += bar;
    }
    if (horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff &&
        shownColumns < grid.ColumnCount()) {
        height += bar;
    }
    return {width, height};
}

void GridView::paintEvent(QPaintEvent* event) {
    if (mModel == nullptr || mModel->rowCount() == 0 || mModel->columnCount() == 0) {
        return;
    }
    const QRect area = event->rect();
    const int rowCount = mModel->rowCount();
    const int columnCount = mModel->columnCount();
    const int topRow = rowAt(area.top());
    const int leftColumn = columnAt(area.left());
    if (topRow < 0 || leftColumn < 0) {
        return;  // only the empty area beyond the last row or column
    }
    const int bottomRow = rowAt(area.bottom()) < 0 ? rowCount - 1 : rowAt(area.bottom());
    const int rightColumn = columnAt(area.right()) < 0 ? columnCount - 1 : columnAt(area.right());

    // One cell more on each side: a neighbour's border line may lie on a repainted pixel.
    std::vector<PaintedCell> cells;
    cells.reserve(static_cast<std::size_t>(bottomRow - topRow + 3) *
                  static_cast<std::size_t>(rightColumn - leftColumn + 3));
    for (int r = std::max(topRow - 1, 0); r <= std::min(bottomRow + 1, rowCount - 1); ++r) {
        const std::vector<ResultGrid::TextSpan> spans = mModel->Grid().RowTextSpans(r + 1);
        for (int c = std::max(leftColumn - 1, 0); c <= std::min(rightColumn + 1, columnCount - 1);
             ++c) {
            PaintedCell cell;
            cell.index = mModel->index(r, c);
            cell.rect = QRect(columnViewportPosition(c), rowViewportPosition(r), columnWidth(c),
                              rowHeight(r));
            cell.look = mModel->LookAt(c + 1, r + 1, spans);
            cells.push_back(std::move(cell));
        }
    }

    QPainter painter(viewport());
    for (const PaintedCell& cell : cells) {
        mDelegate->PaintBackground(painter, cell.rect, cell.look);
    }
    for (const PaintedCell& cell : cells) {
        mDelegate->PaintText(painter, cell.rect,
                             mDelegate->TextCellRect(cell.index, cell.rect, cell.look), cell.look);
    }
    if (selectionModel()->hasSelection()) {
        QColor highlight = palette().color(QPalette::Highlight);
        highlight.setAlpha(80);
        for (const PaintedCell& cell : cells) {
            if (selectionModel()->isSelected(cell.index)) {
                painter.fillRect(cell.rect, highlight);
            }
        }
    }
    for (const PaintedCell& cell : cells) {
        mDelegate->PaintBorders(painter, cell.rect, cell.index.column() == 0, cell.index.row() == 0,
                                cell.look);
    }
    PaintCurrentCell(painter);
}

void GridView::focusInEvent(QFocusEvent* event) {
    const bool hadCurrent = currentIndex().isValid();
    QTableView::focusInEvent(event);
    if (!hadCurrent && currentIndex().isValid()) {
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
}

void GridView::PaintCurrentCell(QPainter& painter) {
    const QModelIndex current = currentIndex();
    if (!current.isValid() || !(mModel->flags(current) & Qt::ItemIsEditable)) {
        return;
    }
    painter.setPen(QPen(palette().color(QPalette::Text), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(visualRect(current).adjusted(1, 1, -1, -1));
}

}  // namespace pirumo
