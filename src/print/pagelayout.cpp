#include "print/pagelayout.h"

#include <QFontMetricsF>
#include <algorithm>
#include <numeric>

#include "print/gridgeometry.h"
#include "print/printfont.h"

namespace pirumo {

namespace {

constexpr double kBlockGap = 10.0 * kPageUnitsPerPoint;
constexpr double kLineGap = 3.0 * kPageUnitsPerPoint;
constexpr double kSlack =
    0.01;  // page units: rounding must not move a column or row to the next page
constexpr double kMarginMillimetres = 10.0;

// Where the next thing goes: the pages so far and the height used on the last one.
class PageCursor {
public:
    PageCursor(std::vector<PrintPage>& pages, const QRectF& body) : mPages(pages), mBody(body) {
        NewPage();
    }

    void NewPage() {
        mPages.emplace_back();
        mY = mBody.top();
    }
    // Starts a new page unless `height` fits in the room left or the page is still empty.
    void MakeRoom(double height) {
        if (height > Room() + kSlack && mY > mBody.top()) {
            NewPage();
        }
    }
    double Room() const { return mBody.bottom() - mY; }
    double Y() const { return mY; }
    void Advance(double height) { mY += height; }
    PrintPage& Page() { return mPages.back(); }
    const QRectF& Body() const { return mBody; }

private:
    std::vector<PrintPage>& mPages;
    QRectF mBody;
    double mY = 0.0;
};

// Column bands that each fit `room` page units: the first from column 1, every later one column 1
// again and then the columns that follow on. Each band takes at least one new column.
std::vector<std::vector<int>> ColumnBands(const GridGeometry& geometry, int columns, double room) {
    std::vector<std::vector<int>> bands;
    int next = 1;
    while (next <= columns) {
        std::vector<int> band;
        double used = 0.0;
        if (next > 1) {
            band.push_back(1);
            used = geometry.ColumnWidth(1);
        }
        bool added = false;
        while (next <= columns && (!added || used + geometry.ColumnWidth(next) <= room + kSlack)) {
            used += geometry.ColumnWidth(next);
            band.push_back(next++);
            added = true;
        }
        bands.push_back(std::move(band));
    }
    return bands;
}

double LinesHeight(const std::vector<PrintLine>& lines, double width) {
    return std::accumulate(lines.begin(), lines.end(), 0.0, [width](double sum, const auto& line) {
        return sum + LineHeight(line, width) + kLineGap;
    });
}

void PlaceLines(PageCursor& cursor, const std::vector<PrintLine>& lines) {
    const QRectF& body = cursor.Body();
    for (const PrintLine& line : lines) {
        const double height = LineHeight(line, body.width());
        cursor.Page().lines.push_back(
            {QRectF(body.left(), cursor.Y(), body.width(), height), line});
        cursor.Advance(height + kLineGap);
    }
}

void PlaceGrid(PageCursor& cursor, const PrintBlock& block) {
    const ResultGrid& grid = *block.grid;
    const GridGeometry geometry(grid);
    const QRectF& body = cursor.Body();
    double scale = std::min(1.0, body.width() / std::max(geometry.Width(), 1.0));
    std::vector<std::vector<int>> bands;
    if (scale < kMinimumGridScale) {
        scale = kMinimumGridScale;
        bands = ColumnBands(geometry, grid.ColumnCount(), body.width() / scale);
    } else {
        bands.emplace_back(static_cast<std::size_t>(grid.ColumnCount()));
        std::iota(bands.front().begin(), bands.front().end(), 1);
    }

    const int rows = grid.RowCount();
    const int titleRows = std::clamp(block.titleRows, 0, rows);
    double titleHeight = 0.0;
    for (int r = 1; r <= titleRows; ++r) {
        titleHeight += geometry.RowHeight(r) * scale;
    }
    bool firstPart = true;
    for (const std::vector<int>& band : bands) {
        int next = titleRows + 1;
        do {
            const double linesHeight = firstPart ? LinesHeight(block.lines, body.width()) : 0.0;
            double rest = 0.0;
            for (int r = next; r <= rows; ++r) {
                rest += geometry.RowHeight(r) * scale;
            }
            // What fits on a page is kept together; a longer part starts where at least its
            // title rows and one row fit.
            const double whole = linesHeight + titleHeight + rest;
            const double firstRow = next <= rows ? geometry.RowHeight(next) * scale : 0.0;
            cursor.MakeRoom(whole <= cursor.Body().height() ? whole
                                                            : linesHeight + titleHeight + firstRow);
            if (firstPart) {
                PlaceLines(cursor, block.lines);
                firstPart = false;
            }
            GridSlice slice{&grid, band, {}, QPointF(body.left(), cursor.Y()), scale};
            for (int r = 1; r <= titleRows; ++r) {
                slice.rows.push_back(r);
            }
            double height = titleHeight;
            const double room = cursor.Room();
            while (next <= rows && (static_cast<int>(slice.rows.size()) == titleRows ||
                                    height + geometry.RowHeight(next) * scale <= room + kSlack)) {
                height += geometry.RowHeight(next) * scale;
                slice.rows.push_back(next++);
            }
            cursor.Page().slices.push_back(std::move(slice));
            cursor.Advance(height);
        } while (next <= rows);
        cursor.Advance(kBlockGap);
    }
}

}  // namespace

QFont LineFont(const PrintLine& line) {
    return PrintFont(line.emphasised ? 11.0 : kGridFontPoints, line.emphasised);
}

double LineHeight(const PrintLine& line, double width) {
    const QFontMetricsF metrics(LineFont(line));
    if (!line.legend.empty()) {
        return metrics.height();
    }
    return metrics.boundingRect(QRectF(0, 0, width, 1e9), Qt::TextWordWrap, line.text).height();
}

std::vector<PrintPage> LayOutPages(const PrintDocument& document, const QRectF& body) {
    std::vector<PrintPage> pages;
    PageCursor cursor(pages, body);
    for (const PrintBlock& block : document.blocks) {
        if (block.grid != nullptr && block.grid->RowCount() > 0 && block.grid->ColumnCount() > 0) {
            PlaceGrid(cursor, block);
        } else if (!block.lines.empty()) {
            cursor.MakeRoom(LinesHeight(block.lines, body.width()));
            PlaceLines(cursor, block.lines);
            cursor.Advance(kBlockGap);
        }
        for (const PrintPicture& picture : block.pictures) {
            const double height = std::min(body.width() * picture.aspect, body.height());
            cursor.MakeRoom(height);
            cursor.Page().pictures.push_back(
                {QRectF(body.left(), cursor.Y(), body.width(), height), picture});
            cursor.Advance(height + kBlockGap);
        }
    }
    return pages;
}

QPageLayout DefaultPageLayout(const PrintDocument& document, const QPageSize& size) {
    const QMarginsF margins(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres,
                            kMarginMillimetres);
    QPageLayout layout(size, QPageLayout::Portrait, margins, QPageLayout::Millimeter);
    const double portraitWidth = layout.paintRect(QPageLayout::Point).width() * kPageUnitsPerPoint;
    for (const PrintBlock& block : document.blocks) {
        if (block.grid != nullptr && GridGeometry(*block.grid).Width() > portraitWidth) {
            layout.setOrientation(QPageLayout::Landscape);
        }
    }
    return layout;
}

}  // namespace pirumo
