#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pirumo {

// What the user typed into a number cell of the entry window, read by the rules every import
// uses (history/drawfields.h): an empty cell or a whole number from 1 to 31, in half-width or
// full-width digits (a Japanese input method types full-width ones), blanks around it ignored.
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
