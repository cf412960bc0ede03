#pragma once

#include <QFont>
#include <QHash>
#include <QStaticText>
#include <QStyledItemDelegate>
#include <optional>

#include "widgets/gridcelllook.h"

class QTableView;

namespace pirumo {

// Paints the cells of a GridView. The view calls the three passes over all visible cells in
// turn (backgrounds, texts, borders), so that no cell's background covers a neighbour's text
// slice or a shared border line.
class GridDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit GridDelegate(QTableView& view);

    void PaintBackground(QPainter& painter, const QRect& cell, const GridCellLook& look) const;
    // `textCell` is the rectangle of the cell that holds the text; for a cell that a neighbour's
    // text runs into, only the slice inside `cell` is painted.
    void PaintText(QPainter& painter, const QRect& cell, const QRect& textCell,
                   const GridCellLook& look) const;
    // Each border line lies on the last pixel column or row of the cell before it, so the
    // shared edge of two neighbours is one line.
    void PaintBorders(QPainter& painter, const QRect& cell, bool firstColumn, bool firstRow,
                      const GridCellLook& look) const;

    // The rectangle, in viewport coordinates, of the cell whose text `look` shows at `index`.
    QRect TextCellRect(const QModelIndex& index, const QRect& cell, const GridCellLook& look) const;

    // One cell on its own, all passes.
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

    // Remembers whether the model took the text, so that a refused text can stay in its editor.
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    // True when the model refused the text last handed to it; asking forgets the refusal.
    bool TakeRefusal();

private:
    // A text laid out once in the current font; a grid holds few distinct texts, so paints reuse
    // the layout instead of shaping every cell again.
    struct ShapedText {
        QStaticText text;
        qreal width = 0;
        qreal ascent = 0;  // from the top of the laid-out line to its baseline
    };
    const ShapedText& Shaped(const QString& text, const QFont& font) const;

    QTableView& mView;
    // Unset until the first paint: a default QFont may equal the grid font.
    mutable std::optional<QFont> mShapedFont;
    mutable qreal mShapedCapHeight = 0;
    mutable QHash<QString, ShapedText> mShaped;
    mutable bool mLastCommitRefused = false;
};

}  // namespace pirumo
