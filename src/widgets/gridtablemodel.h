#pragma once

#include <QAbstractTableModel>
#include <functional>
#include <vector>

#include "grid/resultgrid.h"
#include "widgets/gridcelllook.h"

namespace pirumo {

// Presents a ResultGrid to a QTableView. Model row i, column j is grid cell (j + 1, i + 1); grid
// row 0 and column 0 are the built-in headers.
class GridTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int kLookRole = Qt::UserRole + 1;  // a GridCellLook

    explicit GridTableModel(ResultGrid& grid, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The look of grid cell (column, row), both counted from 1.
    GridCellLook LookAt(int column, int row) const;
    // The same, given the row's text spans (ResultGrid::RowTextSpans): a view painting many
    // cells of a row works them out once.
    GridCellLook LookAt(int column, int row,
                        const std::vector<ResultGrid::TextSpan>& rowSpans) const;

    // Takes over finished edits of editable cells: stores the text in the grid and returns true,
    // or refuses it and returns false. Without one the model stores the text as typed.
    using EditHandler = std::function<bool(int column, int row, const QString& text)>;
    void SetEditHandler(EditHandler handler) { mEditHandler = std::move(handler); }

    ResultGrid& Grid() { return mGrid; }
    const ResultGrid& Grid() const { return mGrid; }

    // Call after the grid was changed behind the model's back (rows, sizes, texts).
    void Reload();
    // Presents only the grid's first `rows` rows (a view of frozen title rows needs no more);
    // negative: all of them.
    void LimitRows(int rows);

private:
    ResultGrid& mGrid;
    EditHandler mEditHandler;
    int mRowLimit = -1;
};

}  // namespace pirumo
