#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pirumo {

// What the user typed into a number cell of the entry window. Only an empty cell or a whole
// number from 1 to 31 is accepted; digits may be half-width or full-width (a Japanese input
// method types full-width ones), and blanks around the number are ignored.
struct EntryText {
    enum class Kind { kEmpty, kNumber, kWrong };

    Kind kind = Kind::kEmpty;
    int number = 0;  // 1..31 when kind is kNumber

    // The text the cell shows for an accepted value: "" or the number in half-width digits.
    std::string CellText() const;
};

EntryText ParseEntryText(std::string_view text);

// The cell text for a stored number field: empty for NULL, decimal text otherwise (also for a
// value outside 1..31, so that the check before closing points at it).
std::string StoredNumberText(const std::optional<long long>& value);

}  // namespace pirumo
