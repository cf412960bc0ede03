#include "history/prizefields.h"

#include <algorithm>
#include <unordered_map>

#include "history/drawfields.h"
#include "history/historyerror.h"

namespace pirumo {

namespace {

constexpr std::string_view kFullWidthComma = "，";

std::string_view WithoutSuffix(std::string_view text) {
    for (const std::string_view suffix : {"円", "口"}) {
        if (text.ends_with(suffix)) {
            return TrimField(text.substr(0, text.size() - suffix.size()));
        }
    }
    return text;
}

}  // namespace

std::optional<std::int64_t> ReadPrizeText(std::string_view text, bool* empty) {
    text = TrimField(text);
    if (empty != nullptr) {
        *empty = text.empty();
    }
    text = WithoutSuffix(text);
    // Half-width digits and commas first; then the commas, if any, must group by thousands.
    std::string plain;
    while (!text.empty()) {
        std::size_t length = 0;
        if (const int digit = DigitAt(text, length); digit >= 0) {
            plain += static_cast<char>('0' + digit);
        } else if (text.starts_with(kFullWidthComma)) {
            plain += ',';
            length = kFullWidthComma.size();
        } else if (text.front() == ',') {
            plain += ',';
            length = 1;
        } else {
            return std::nullopt;
        }
        text.remove_prefix(length);
    }
    const std::size_t firstComma = plain.find(',');
    if (firstComma != std::string::npos) {
        if (firstComma == 0 || firstComma > 3 || (plain.size() - firstComma) % 4 != 0) {
            return std::nullopt;
        }
        for (std::size_t i = firstComma; i < plain.size(); i += 4) {
            if (plain[i] != ',' || plain.find(',', i + 1) < i + 4) {
                return std::nullopt;
            }
        }
        std::erase(plain, ',');
    }
    if (plain.empty()) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (const char c : plain) {
        value = value * 10 + (c - '0');
        if (value > kMaxPrizeValue) {
            return std::nullopt;
        }
    }
    return value;
}

std::optional<DrawPrizes> ReadPrizeTexts(const std::array<std::string, kPrizeColumnCount>& texts,
                                         const std::string& where, int drawNumber) {
    const auto isEmpty = [](const std::string& text) { return TrimField(text).empty(); };
    if (std::all_of(texts.begin(), texts.end(), isEmpty)) {
        return std::nullopt;
    }
    const std::string draw = where + "（第" + std::to_string(drawNumber) + "回）の";
    DrawPrizes prizes;
    for (int column = 0; column < kPrizeColumnCount; ++column) {
        const std::string& text = texts[static_cast<std::size_t>(column)];
        const std::string name = kPrizeColumnNames[static_cast<std::size_t>(column)];
        bool empty = false;
        const auto value = ReadPrizeText(text, &empty);
        if (empty) {
            throw HistoryError(draw + "「" + name +
                               "」が空です。賞金の欄は8つともそろえるか、すべて空にしてください。");
        }
        if (!value) {
            throw HistoryError(draw + "「" + name + "」の「" + std::string(TrimField(text)) +
                               "」は0以上の整数ではありません。");
        }
        SetPrizeColumnValue(prizes, column, *value);
    }
    return prizes;
}

void KeepStoredPrizes(const std::vector<Draw>& current, std::vector<Draw>& incoming) {
    std::unordered_map<int, const Draw*> currentByNumber;
    for (const Draw& d : current) {
        if (d.prizes) {
            currentByNumber.emplace(d.drawNumber, &d);
        }
    }
    for (Draw& d : incoming) {
        if (d.prizes) {
            continue;
        }
        const auto found = currentByNumber.find(d.drawNumber);
        if (found != currentByNumber.end() && found->second->numbers == d.numbers) {
            d.prizes = found->second->prizes;
        }
    }
}

int CountDrawsWithPrizes(const std::vector<Draw>& rows) {
    return static_cast<int>(std::count_if(rows.begin(), rows.end(),
                                          [](const Draw& d) { return d.prizes.has_value(); }));
}

}  // namespace pirumo
