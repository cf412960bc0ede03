#pragma once

#include <QColor>
#include <QString>
#include <array>
#include <cstdint>

namespace pirumo {

// Everything the view needs to paint one cell, fetched from the model in one call.
struct GridCellLook {
    QString text;              // the cell's own text, or the neighbour's text running into it
    int textColumnOffset = 0;  // 0: own text; otherwise (column of the text) - (this column)
    bool leftAligned = false;
    bool confined = true;     // the text has only its own cell (it does not run on)
    QColor fore = Qt::black;  // of the text's cell
    QColor back = Qt::white;
    std::uint8_t borders = 0;               // sides drawn: 1 left, 2 right, 4 top, 8 bottom
    std::array<QColor, 4> borderColours{};  // left, right, top, bottom
    bool editable = false;
};

}  // namespace pirumo
