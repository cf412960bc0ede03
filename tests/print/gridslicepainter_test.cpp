#include "print/gridslicepainter.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

namespace pirumo {
namespace {

constexpr double kPixelsPerPageUnit = 96.0 / 1440.0;

// Three columns, two rows: a green title in (1, 1) running on over the empty (2, 1) and (3, 1),
// a red background in (2, 1), a blue right border on (1, 2).
ResultGrid SampleGrid() {
    ResultGrid grid;
    grid.SetColumnCount(3);
    grid.SetRowCount(2);
    grid.SetHeadersVisible(false, false);
    grid.SetColumnWidth(ResultGrid::kAll, 5);
    grid.SetRowHeight(ResultGrid::kAll, 20);
    grid.SetAllowOverflow(true);
    grid.Cell(1, 1).SetAlignment(HAlign::Left);
    grid.SetForeColor(MakeRgb(0, 160, 0));
    grid.SetText("出現頻度の見出しが長く続きます");
    grid.Cell(2, 1).SetBackColor(MakeRgb(255, 0, 0));
    grid.Cell(1, 2).SetCellBorder(border::kRight, MakeRgb(0, 0, 255));
    return grid;
}

QImage Paint(const ResultGrid& grid, std::vector<int> columns, double left = 0.0) {
    QImage image(400, 120, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(kPixelsPerPageUnit, kPixelsPerPageUnit);
    GridSlicePainter(grid).Paint(painter,
                                 {&grid, std::move(columns), {1, 2}, QPointF(left, 0), 1.0});
    return image;
}

QRect CellPixels(const GridGeometry& geometry, double left, int column, int row) {
    const double top = (row - 1) * 400.0;
    return QRectF(left * kPixelsPerPageUnit, top * kPixelsPerPageUnit,
                  geometry.ColumnWidth(column) * kPixelsPerPageUnit, 400.0 * kPixelsPerPageUnit)
        .toAlignedRect()
        .adjusted(2, 2, -2, -2);  // clear of the edges, where lines and antialiasing fall
}

bool HasGreen(const QImage& image, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.green() > c.red() + 60 && c.green() > c.blue() + 60) {
                return true;
            }
        }
    }
    return false;
}

TEST(GridSlicePainter, ColoursBordersAndARunningTextAsTheWindowDrawsThem) {
    const ResultGrid grid = SampleGrid();
    const GridGeometry geometry(grid);
    const QImage full = Paint(grid, {1, 2, 3});

    const QRect red = CellPixels(geometry, geometry.ColumnLeft(2), 2, 1);
    EXPECT_EQ(full.pixelColor(red.right() - 1, red.bottom() - 1), QColor(255, 0, 0));
    const int edge = static_cast<int>(geometry.ColumnLeft(2) * kPixelsPerPageUnit);
    const int middle = static_cast<int>(600 * kPixelsPerPageUnit);
    EXPECT_EQ(full.pixelColor(edge, middle), QColor(0, 0, 255));
    const int unframedEdge = static_cast<int>(geometry.ColumnLeft(3) * kPixelsPerPageUnit);
    EXPECT_EQ(full.pixelColor(unframedEdge, middle), QColor(Qt::white))
        << "no border where none was set";

    // The title is drawn in its own colour across all three cells, over the red background.
    EXPECT_TRUE(HasGreen(full, CellPixels(geometry, geometry.ColumnLeft(1), 1, 1)));
    EXPECT_TRUE(HasGreen(full, red));
    EXPECT_TRUE(HasGreen(full, CellPixels(geometry, geometry.ColumnLeft(3), 3, 1)));
    EXPECT_FALSE(HasGreen(full, CellPixels(geometry, geometry.ColumnLeft(1), 1, 2)));
}

// Border lines are gathered by colour; the order still holds: on an edge that two neighbours
// frame in different colours the later cell's colour shows, in every row.
TEST(GridSlicePainter, OnAnEdgeFramedInTwoColoursTheLaterCellWins) {
    ResultGrid grid = SampleGrid();
    grid.Block(2, 1, 2, 2).SetCellBorder(border::kLeft, MakeRgb(255, 0, 0));
    grid.Block(3, 1, 3, 2).SetCellBorder(border::kLeft, MakeRgb(0, 0, 255));
    grid.Cell(2, 2).SetCellBorder(border::kRight, MakeRgb(0, 160, 0));
    const GridGeometry geometry(grid);
    const QImage full = Paint(grid, {1, 2, 3});
    const int redEdge = static_cast<int>(geometry.ColumnLeft(2) * kPixelsPerPageUnit);
    const int blueEdge = static_cast<int>(geometry.ColumnLeft(3) * kPixelsPerPageUnit);
    for (const int y : {200, 600}) {
        const int middle = static_cast<int>(y * kPixelsPerPageUnit);
        EXPECT_EQ(full.pixelColor(redEdge, middle), QColor(255, 0, 0)) << y;
        EXPECT_EQ(full.pixelColor(blueEdge, middle), QColor(0, 0, 255)) << y;
    }
}

TEST(GridSlicePainter, ACellShowsTheSamePartOfARunningTextWhateverItsNeighboursOnThePage) {
    const ResultGrid grid = SampleGrid();
    const GridGeometry geometry(grid);
    const QImage full = Paint(grid, {1, 2, 3});
    // Column 3 directly after column 1, as in a column band that repeats column 1, placed so
    // that column 3 falls where it does in the whole grid.
    const QImage band = Paint(grid, {1, 3}, geometry.ColumnWidth(2));

    const QRect column3 = CellPixels(geometry, geometry.ColumnLeft(3), 3, 1);
    EXPECT_TRUE(HasGreen(band, column3));
    EXPECT_EQ(full.copy(column3), band.copy(column3));
}

}  // namespace
}  // namespace pirumo
