#include "widgets/griddelegate.h"

#include <QFontMetricsF>
#include <QMetaProperty>
#include <QPainter>
#include <QTableView>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <utility>

#include "widgets/gridtablemodel.h"

namespace pirumo {

namespace {

constexpr qreal kTextPadding = 2.0;  // pixels between a left-aligned text and its cell edge
constexpr qreal kMinimumCondense = 0.6;
// Beyond this many distinct texts the layouts are dropped and made again as needed, which bounds
// the memory of a grid full of distinct numbers.
constexpr qsizetype kMaxShapedTexts = 4096;

enum Side { kLeftSide, kRightSide, kTopSide, kBottomSide };

bool HasSide(const GridCellLook& look, Side side) {
    return (look.borders >> side) & 1;
}

}  // namespace

GridDelegate::GridDelegate(QTableView& view) : QStyledItemDelegate(&view), mView(view) {}

void GridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                const QModelIndex& index) const {
    const QMetaProperty text = editor->metaObject()->userProperty();
    mLastCommitRefused = text.isValid() && !model->setData(index, text.read(editor), Qt::EditRole);
}

bool GridDelegate::TakeRefusal() {
    return std::exchange(mLastCommitRefused, false);
}

void GridDelegate::PaintBackground(QPainter& painter, const QRect& cell,
                                   const GridCellLook& look) const {
    painter.fillRect(cell, look.back);
}

const GridDelegate::ShapedText& GridDelegate::Shaped(const QString& text, const QFont& font) const {
    if (!mShapedFont || font != *mShapedFont || mShaped.size() >= kMaxShapedTexts) {
        if (!mShapedFont || font != *mShapedFont) {
            mShapedFont = font;
            mShapedCapHeight = QFontMetricsF(font).capHeight();
        }
        mShaped.clear();
    }
    auto found = mShaped.find(text);
    if (found == mShaped.end()) {
        ShapedText shaped{QStaticText(text), 0, 0};
        shaped.text.setTextFormat(Qt::PlainText);
        shaped.text.prepare(QTransform(), font);
        // A static text is placed by its top; its line may be taller than the font when a
        // fallback font supplies some glyphs.
        QTextLayout layout(text, font);
        layout.beginLayout();
        const QTextLine line = layout.createLine();
        layout.endLayout();  // lays the line out
        shaped.width = line.horizontalAdvance();
        shaped.ascent = line.ascent();
        found = mShaped.insert(text, std::move(shaped));
    }
    return *found;
}

void GridDelegate::PaintText(QPainter& painter, const QRect& cell, const QRect& textCell,
                             const GridCellLook& look) const {
    if (look.text.isEmpty()) {
        return;
    }
    const ShapedText& shaped = Shaped(look.text, painter.font());
    qreal width = shaped.width;
    // A text that has only its own cell and is wider than it is drawn condensed, so that column
    // titles such as 第1数字 stay readable in narrow columns.
    qreal condense = 1.0;
    if (look.confined && width > cell.width() - kTextPadding) {
        condense = std::max(kMinimumCondense, (cell.width() - kTextPadding) / width);
        width *= condense;
    }
    const qreal x = look.leftAligned ? textCell.left() + kTextPadding
                                     : textCell.left() + (textCell.width() - width) / 2.0;
    // Centre the ink rather than the line box: CJK fonts have tall line boxes that would push
    // the text out of short rows.
    const qreal baseline = std::round(cell.top() + (cell.height() + mShapedCapHeight) / 2.0);
    const bool fits = x >= cell.left() && x + width <= cell.right() + 1;
    painter.save();
    if (!fits) {
        painter.setClipRect(cell);
    }
    painter.setPen(look.fore);
    if (condense == 1.0) {
        // Placed without moving the painter: a static text is laid out again whenever the
        // painter's transform changes.
        painter.drawStaticText(QPointF(x, baseline - shaped.ascent), shaped.text);
    } else {
        // A condensed text is rare (narrow titles) and would be laid out again for the scaled
        // painter anyway.
        painter.translate(x, baseline);
        painter.scale(condense, 1.0);
        painter.drawText(QPointF(0, 0), look.text);
    }
    painter.restore();
}

void GridDelegate::PaintBorders(QPainter& painter, const QRect& cell, bool firstColumn,
                                bool firstRow, const GridCellLook& look) const {
    if (look.borders == 0) {
        return;
    }
    const int left = firstColumn ? cell.left() : cell.left() - 1;
    const int top = firstRow ? cell.top() : cell.top() - 1;
    const int width = cell.right() - left + 1;
    const int height = cell.bottom() - top + 1;
    if (HasSide(look, kLeftSide)) {
        painter.fillRect(QRect(left, top, 1, height), look.borderColours[kLeftSide]);
    }
    if (HasSide(look, kTopSide)) {
        painter.fillRect(QRect(left, top, width, 1), look.borderColours[kTopSide]);
    }
    if (HasSide(look, kRightSide)) {
        painter.fillRect(QRect(cell.right(), top, 1, height), look.borderColours[kRightSide]);
    }
    if (HasSide(look, kBottomSide)) {
        painter.fillRect(QRect(left, cell.bottom(), width, 1), look.borderColours[kBottomSide]);
    }
}

QRect GridDelegate::TextCellRect(const QModelIndex& index, const QRect& cell,
                                 const GridCellLook& look) const {
    if (look.textColumnOffset == 0) {
        return cell;
    }
    const int column = index.column() + look.textColumnOffset;
    return QRect(mView.columnViewportPosition(column), cell.top(), mView.columnWidth(column),
                 cell.height());
}

void GridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
    const auto look = index.data(GridTableModel::kLookRole).value<GridCellLook>();
    painter->save();
    painter->setFont(option.font);
    PaintBackground(*painter, option.rect, look);
    PaintText(*painter, option.rect, TextCellRect(index, option.rect, look), look);
    PaintBorders(*painter, option.rect, index.column() == 0, index.row() == 0, look);
    painter->restore();
}

}  // namespace pirumo
