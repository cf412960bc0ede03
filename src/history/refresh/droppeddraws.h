#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "history/draw.h"

namespace pirumo {

// A row of the local history that replacing it with a downloaded one would lose: the download
// lacks its draw number, or holds other numbers under it. Typically a draw entered by hand since
// the last refresh.
struct DroppedDraw {
    Draw local;
    std::optional<Draw> downloaded;  // nullopt when the download lacks the draw number
};

// Local rows with at least one number field filled in that the downloaded rows lack or hold with
// other numbers (dates are not compared: the published file is right about them), in local order.
std::vector<DroppedDraw> FindDroppedDraws(const std::vector<Draw>& local,
                                          const std::vector<Draw>& downloaded);

// One line per dropped draw (draw number, numbers, what `other`, the download or a file to
// import, holds instead); past maxLines lines a last line says how many more there are.
std::string DescribeDroppedDraws(const std::vector<DroppedDraw>& dropped, std::size_t maxLines,
                                 const std::string& other = "最新データ");

}  // namespace pirumo
