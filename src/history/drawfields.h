#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "history/draw.h"

namespace pirumo {

// The rules every way into the history applies to a draw's fields: CSV and Access imports, the
// download check, restoring a history file and the manual entry window. A field is read after
// trimming blanks (half-width, tab, line breaks, U+3000); digits may be half-width or full-width.

std::string_view TrimField(std::string_view text);

// The value of the digit (half- or full-width) at the start of text and its length in bytes;
// -1 when text does not start with a digit.
int DigitAt(std::string_view text, std::size_t& length);

struct NumberText {
    enum class Kind { kEmpty, kNumber, kWrong };
    Kind kind = Kind::kEmpty;
    int value = 0;  // kLowestNumber..kHighestNumber when kind is kNumber
};

// A number field: empty, or a whole number 1..31 written in digits only.
NumberText ReadNumberText(std::string_view text);

// A 回数 field: a whole number 1..32767 in digits only, or written as results are published,
// 第1354回 (either mark alone too); nullopt for anything else, empty too.
std::optional<int> ReadDrawNumberText(std::string_view text);

// A date field as "YYYY/MM/DD": year, month and day separated by "/", "-", "." or written with
// 年月日, a time after a blank dropped, a real calendar date only. Empty text gives "";
// anything else nullopt.
std::optional<std::string> ReadDateText(std::string_view text);

// The first number field (0..5) that holds no number 1..31 or repeats an earlier field of the
// same draw (main numbers and bonus together); -1 when every field is empty or fine.
int FirstWrongNumberField(const std::array<std::int16_t, Draw::kFieldCount>& numbers);

// One draw as a file spells it.
struct DrawTexts {
    std::string drawNumber;
    std::array<std::string, Draw::kFieldCount> numbers;
    std::string date;
};

// Reads a draw from its texts. A refusal throws HistoryError: `where` (such as "3行目"), then
// the field, its text and what is wrong with it, in Japanese.
Draw ReadDrawTexts(const DrawTexts& texts, const std::string& where);

// The same rules for a draw read from a history file, whose numbers are already values
// (Draw::kOtherValue for one that is not 1..31). Normalises the date; throws as above.
void CheckStoredDraw(Draw& draw, const std::string& where);

// The end of the refusal of a history without a single draw whose six numbers are all there.
inline constexpr std::string_view kNoValidDraw =
    "6つの数字がすべてそろった有効な当選データが1件もありません。";

// CheckStoredDraw for every row of a history file that is to replace the history, the rows named
// "<source>のN行目", the refusal of a 回数 that occurs twice (naming both rows) and of rows
// without a single valid draw.
void CheckStoredDraws(std::vector<Draw>& rows, const std::string& source);

}  // namespace pirumo
