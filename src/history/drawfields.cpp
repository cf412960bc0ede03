#include "history/drawfields.h"

#include <algorithm>
#include <cstdio>
#include <map>

#include "history/historyerror.h"

namespace pirumo {

namespace {

constexpr std::string_view kIdeographicSpace = "\xE3\x80\x80";  // U+3000
constexpr std::string_view kFullWidthDigitLead = "\xEF\xBC";    // U+FF10..U+FF19: EF BC 90..99
constexpr int kMaxDigits = 9;  // keeps the value in an int; more cannot be in range anyway

bool IsHalfWidthBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Length of the blank at the start of text, 0 when there is none.
std::size_t BlankAt(std::string_view text) {
    if (!text.empty() && IsHalfWidthBlank(text.front())) {
        return 1;
    }
    return text.starts_with(kIdeographicSpace) ? kIdeographicSpace.size() : 0;
}

std::size_t BlankBefore(std::string_view text) {
    if (!text.empty() && IsHalfWidthBlank(text.back())) {
        return 1;
    }
    return text.ends_with(kIdeographicSpace) ? kIdeographicSpace.size() : 0;
}

// Reads a run of digits from the start of text (consumed), with the number of digits read.
std::optional<int> TakeDigits(std::string_view& text, int& digits) {
    int value = 0;
    int significant = 0;
    bool tooLong = false;
    digits = 0;
    std::size_t length = 0;
    for (int digit = DigitAt(text, length); digit >= 0; digit = DigitAt(text, length)) {
        text.remove_prefix(length);
        ++digits;
        if (value == 0 && digit == 0) {
            continue;  // a leading zero adds nothing to the value
        }
        if (++significant > kMaxDigits) {
            tooLong = true;
            continue;
        }
        value = value * 10 + digit;
    }
    return digits > 0 && !tooLong ? std::optional<int>(value) : std::nullopt;
}

// Text that is only digits, read as a whole number within [low, high].
std::optional<int> ReadWholeNumber(std::string_view text, int low, int high) {
    int digits = 0;
    const auto value = TakeDigits(text, digits);
    if (!value || !text.empty() || *value < low || *value > high) {
        return std::nullopt;
    }
    return value;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

// Takes one of the separators a date may use after its year (or month): "/", "-", "." or the
// given kanji. Returns the separator read, empty when there is none.
std::string_view TakeDateSeparator(std::string_view& text, std::string_view kanji) {
    for (std::string_view separator :
         {std::string_view("/"), std::string_view("-"), std::string_view("."), kanji}) {
        if (text.starts_with(separator)) {
            text.remove_prefix(separator.size());
            return separator;
        }
    }
    return {};
}

std::string NumberFieldText(const std::string& where, int drawNumber, int field) {
    return where + "（回数 " + std::to_string(drawNumber) + "）の" +
           kNumberFieldNames[static_cast<std::size_t>(field)];
}

// The refusal of a number field that FirstWrongNumberField found.
[[noreturn]] void RefuseNumberField(const Draw& draw, int field, const std::string& where) {
    for (int earlier = 0; earlier < field; ++earlier) {
        if (draw.numbers[static_cast<std::size_t>(earlier)] ==
            draw.numbers[static_cast<std::size_t>(field)]) {
            throw HistoryError(NumberFieldText(where, draw.drawNumber, field) + "「" +
                               std::to_string(draw.numbers[static_cast<std::size_t>(field)]) +
                               "」は" + kNumberFieldNames[static_cast<std::size_t>(earlier)] +
                               "と同じ数字です。同じ回に同じ数字は出ません。");
        }
    }
    throw HistoryError(NumberFieldText(where, draw.drawNumber, field) +
                       "は1から31までの整数ではありません。");
}

std::string ReadDate(std::string_view text, const std::string& where, int drawNumber) {
    const auto date = ReadDateText(text);
    if (!date) {
        throw HistoryError(where + "（回数 " + std::to_string(drawNumber) + "）の開催日「" +
                           std::string(TrimField(text)) +
                           "」は日付として読めません（例: 2025/09/23）。");
    }
    return *date;
}

}  // namespace

int DigitAt(std::string_view text, std::size_t& length) {
    if (!text.empty() && text.front() >= '0' && text.front() <= '9') {
        length = 1;
        return text.front() - '0';
    }
    if (text.size() >= 3 && text.starts_with(kFullWidthDigitLead)) {
        const auto last = static_cast<unsigned char>(text[2]);
        if (last >= 0x90 && last <= 0x99) {
            length = 3;
            return last - 0x90;
        }
    }
    return -1;
}

std::string_view TrimField(std::string_view text) {
    while (const std::size_t n = BlankAt(text)) {
        text.remove_prefix(n);
    }
    while (const std::size_t n = BlankBefore(text)) {
        text.remove_suffix(n);
    }
    return text;
}

NumberText ReadNumberText(std::string_view text) {
    text = TrimField(text);
    if (text.empty()) {
        return {};
    }
    const auto value = ReadWholeNumber(text, kLowestNumber, kHighestNumber);
    if (!value) {
        return {NumberText::Kind::kWrong};
    }
    return {NumberText::Kind::kNumber, *value};
}

std::optional<int> ReadDrawNumberText(std::string_view text) {
    text = TrimField(text);
    if (text.starts_with("第")) {
        text.remove_prefix(std::string_view("第").size());
    }
    if (text.ends_with("回")) {
        text.remove_suffix(std::string_view("回").size());
    }
    return ReadWholeNumber(text, 1, kMaxDrawNumber);
}

std::optional<std::string> ReadDateText(std::string_view text) {
    text = TrimField(text);
    if (text.empty()) {
        return std::string();
    }
    // A time of day follows the date after a blank.
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (BlankAt(text.substr(i)) != 0) {
            text = text.substr(0, i);
            break;
        }
    }
    int yearDigits = 0;
    int monthDigits = 0;
    int dayDigits = 0;
    const auto year = TakeDigits(text, yearDigits);
    const std::string_view first = TakeDateSeparator(text, "年");
    const auto month = TakeDigits(text, monthDigits);
    const std::string_view second = TakeDateSeparator(text, "月");
    const auto day = TakeDigits(text, dayDigits);
    const bool kanji = first == "年";
    if (kanji && text == "日") {
        text.remove_prefix(std::string_view("日").size());
    }
    const bool sameSeparators = kanji ? second == "月" : !first.empty() && first == second;
    if (!year || !month || !day || !text.empty() || !sameSeparators || yearDigits != 4 ||
        monthDigits > 2 || dayDigits > 2 || *year < 1000 || *month < 1 || *month > 12 || *day < 1 ||
        *day > DaysInMonth(*year, *month)) {
        return std::nullopt;
    }
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%04d/%02d/%02d", *year, *month, *day);
    return std::string(buffer);
}

int FirstWrongNumberField(const std::array<std::int16_t, Draw::kFieldCount>& numbers) {
    unsigned seen = 0;
    for (int f = 0; f < Draw::kFieldCount; ++f) {
        const int n = numbers[static_cast<std::size_t>(f)];
        if (n == Draw::kEmptyField) {
            continue;
        }
        if (!IsLotteryNumber(n) || (seen & (1u << n)) != 0) {
            return f;
        }
        seen |= 1u << n;
    }
    return -1;
}

Draw ReadDrawTexts(const DrawTexts& texts, const std::string& where) {
    Draw draw;
    const std::string_view drawNumberText = TrimField(texts.drawNumber);
    if (drawNumberText.empty()) {
        throw HistoryError(where + "の回数が空です。");
    }
    const auto drawNumber = ReadDrawNumberText(drawNumberText);
    if (!drawNumber) {
        throw HistoryError(where + "の回数「" + std::string(drawNumberText) +
                           "」は1から32767までの整数ではありません。");
    }
    draw.drawNumber = *drawNumber;
    for (int f = 0; f < Draw::kFieldCount; ++f) {
        const std::string& text = texts.numbers[static_cast<std::size_t>(f)];
        const NumberText number = ReadNumberText(text);
        if (number.kind == NumberText::Kind::kWrong) {
            throw HistoryError(NumberFieldText(where, draw.drawNumber, f) + "「" +
                               std::string(TrimField(text)) +
                               "」は1から31までの整数ではありません。");
        }
        draw.numbers[static_cast<std::size_t>(f)] = static_cast<std::int16_t>(number.value);
    }
    if (const int wrong = FirstWrongNumberField(draw.numbers); wrong >= 0) {
        RefuseNumberField(draw, wrong, where);
    }
    draw.date = ReadDate(texts.date, where, draw.drawNumber);
    return draw;
}

void CheckStoredDraw(Draw& draw, const std::string& where) {
    if (draw.drawNumber < 1 || draw.drawNumber > kMaxDrawNumber) {
        throw HistoryError(where + "の回数「" + std::to_string(draw.drawNumber) +
                           "」は1から32767までの整数ではありません。");
    }
    if (const int wrong = FirstWrongNumberField(draw.numbers); wrong >= 0) {
        RefuseNumberField(draw, wrong, where);
    }
    draw.date = ReadDate(draw.date, where, draw.drawNumber);
}

void CheckStoredDraws(std::vector<Draw>& rows, const std::string& source) {
    // A file from elsewhere need not make 回数 unique; the history does.
    std::map<int, std::size_t> rowOfDraw;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::string where = source + "の" + std::to_string(i + 1) + "行目";
        CheckStoredDraw(rows[i], where);
        const auto [first, added] = rowOfDraw.emplace(rows[i].drawNumber, i + 1);
        if (!added) {
            throw HistoryError(where + "の回数「" + std::to_string(rows[i].drawNumber) + "」は" +
                               std::to_string(first->second) + "行目と重複しています。");
        }
    }
    if (std::none_of(rows.begin(), rows.end(), IsValidDraw)) {
        throw HistoryError(source + "には、" + std::string(kNoValidDraw));
    }
}

}  // namespace pirumo
