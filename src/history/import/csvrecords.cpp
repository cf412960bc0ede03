#include "history/import/csvrecords.h"

#include "history/historyerror.h"

namespace pirumo {

namespace {

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

// A CR followed by LF is half of one line end; a CR alone (old Mac files) is a whole one.
bool EndsLineWithLf(std::string_view text, std::size_t cr) {
    return cr + 1 < text.size() && text[cr + 1] == '\n';
}

}  // namespace

std::vector<CsvRecord> ParseCsvRecords(std::string_view text) {
    std::vector<CsvRecord> records;
    CsvRecord record;
    std::string field;
    int line = 1;
    record.line = 1;
    bool quoted = false;
    bool closedQuote = false;  // the field's closing quote has been read
    int quoteLine = 0;
    bool lineHasContent = false;

    auto endField = [&] {
        record.fields.push_back(std::move(field));
        field.clear();
        closedQuote = false;
    };
    auto endRecord = [&] {
        if (lineHasContent) {
            endField();
            records.push_back(std::move(record));
        }
        record = CsvRecord();
        field.clear();
        closedQuote = false;
        lineHasContent = false;
        record.line = line;
    };
    auto isBlank = [](char c) { return c == ' ' || c == '\t'; };

    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"') {
                if (i + 1 < text.size() && text[i + 1] == '"') {
                    field += '"';
                    ++i;
                } else {
                    quoted = false;
                    closedQuote = true;
                }
            } else {
                if (c == '\n' || (c == '\r' && !EndsLineWithLf(text, i))) {
                    ++line;
                }
                field += c;
            }
            continue;
        }
        if (c == ',') {
            endField();
            lineHasContent = true;
        } else if (c == '\r' && EndsLineWithLf(text, i)) {
            continue;
        } else if (c == '\n' || c == '\r') {
            ++line;
            endRecord();
        } else if (closedQuote && !isBlank(c)) {
            // "12"3: a quoted value is the whole field.
            throw HistoryError(std::to_string(line) +
                               "行目に「\"」で囲んだ値のあとに続く文字があります。");
        } else if (c == '"') {
            // 1"2": a quote that does not open the field is damage, not part of a number.
            if (!TrimBlanks(field).empty()) {
                throw HistoryError(std::to_string(line) + "行目の値の途中に「\"」があります。");
            }
            field.clear();
            quoted = true;
            quoteLine = line;
            lineHasContent = true;
        } else {
            field += c;
            lineHasContent = true;
        }
    }
    if (quoted) {
        throw HistoryError(std::to_string(quoteLine) + "行目の「\"」が閉じられていません。");
    }
    endRecord();
    return records;
}

std::string QuoteCsvField(const std::string& field) {
    if (field.find_first_of(",\"\r\n") == std::string::npos) {
        return field;
    }
    std::string quoted = "\"";
    for (char c : field) {
        if (c == '"') {
            quoted += '"';
        }
        quoted += c;
    }
    return quoted + "\"";
}

}  // namespace pirumo
