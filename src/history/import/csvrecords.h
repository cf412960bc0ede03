#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pirumo {

struct CsvRecord {
    int line = 0;  // 1-based line on which the record starts
    std::vector<std::string> fields;
};

// Splits CSV text into records: fields separated by ",", optionally quoted with '"' (a doubled
// quote stands for one; a quoted field may span lines), lines ending in CR LF, LF or CR. Blank
// lines give no record. Throws HistoryError naming the line of a quote that is never closed.
std::vector<CsvRecord> ParseCsvRecords(std::string_view text);

// One field as it is written back: quoted when it holds a comma, quote or line break.
std::string QuoteCsvField(const std::string& field);

}  // namespace pirumo
