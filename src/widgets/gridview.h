#pragma once

#include <QPointer>
#include <QTableView>

#include "grid/resultgrid.h"

namespace pirumo {

class GridDelegate;
class GridTableModel;

// The grid font: a Japanese UI font at 9 points.
QFont GridFont();

// Shows a ResultGrid exactly as it is set up: colours, per-side borders, overflowing texts,
// alignment, widths in characters of the grid font and heights in points. Static cells cannot be
// edited; nothing shows as selected unless the grid makes an editable cell active.
class GridView : public QTableView {
    Q_OBJECT

public:
    explicit GridView(QWidget* parent = nullptr);
    ~GridView() override;

    // Shows `grid`, which must outlive the view, and applies its sizes, headers, scroll bars and
    // active cell.
    void SetGrid(ResultGrid& grid);
    // Applies the grid's set-up again after it was changed.
    void Refresh();

    GridTableModel* GridModel() const { return mModel; }

    // Keeps the grid's first `rows` rows in view above the others while they scroll; 0: none.
    void SetFrozenRows(int rows);
    // How far the grid is scrolled, in pixels, and whether it shows its last row.
    QPoint ScrollPosition() const;
    bool ShowsLastRow() const;
    // Scrolls as far as the grid allows towards `position`, or to the grid's last row.
    void ScrollTo(QPoint position);
    void ScrollToLastRow();

    // Pixels of a column `characters` wide, and of a row `points` high, at this view's DPI. A row
    // is never lower than MinimumRowPixels().
    int ColumnWidthPixels(double characters) const;
    int RowHeightPixels(double points) const;
    // The height that shows the grid font's glyphs whole between a row's border lines.
    int MinimumRowPixels() const;

    // The size that shows the grid's visible columns and rows (auto-size).
    QSize sizeHint() const override;

protected:
    // A text the model refused stays in its cell to be corrected, however the edit was ended
    // (Enter, Tab, another cell, elsewhere); only Escape drops it.
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void paintEvent(QPaintEvent* event) override;
    void updateGeometries() override;
    // Keeps the active cell the grid set up: taking the focus makes no cell current.
    void focusInEvent(QFocusEvent* event) override;

private:
    void ApplySizes();
    void ApplyPresentation();
    void PaintCurrentCell(QPainter& painter);
    void ShowFrozenRows();
    void PlaceFrozenRows();
    void UpdateScrollRanges();

    GridTableModel* mModel = nullptr;
    GridDelegate* mDelegate = nullptr;
    int mFrozenRowCount = 0;
    // A second view of the same model over the top of this one that never scrolls vertically.
    GridView* mFrozenRows = nullptr;
    // The model whose first rows the frozen rows show through a model of their own.
    QPointer<GridTableModel> mFrozenSource;
};

}  // namespace pirumo
