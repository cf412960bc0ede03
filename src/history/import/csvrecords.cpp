#include "history/import/csvrecords.h"

#include "history/historyerror.h"

namespace pirumo {

std::vector<CsvRecord> ParseCsvRecords(std::string_view text) {
    std::vector<CsvRecord> records;
    CsvRecord record;
    std::string field;
    int line = 1;
    record.line = 1;
    bool quoted = false;
    int quoteLine = 0;
    bool lineHasContent = false;

    auto endRecord = [&] {
        if (lineHasContent) {
            record.fields.push_back(std::move(field));
            records.push_back(std::move(record));
        }
        record = CsvRecord();
        field.clear();
        lineHasContent = false;
        record.line = line;
    };

    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"') {
                if (i + 1 < text.size() && text[i + 1] == '"') {
                    field += '"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == '\n') {
                    ++line;
                }
                field += c;
            }
            continue;
        }
        if (c == '"') {
            quoted = true;
            quoteLine = line;
            lineHasContent = true;
        } else if (c == ',') {
            record.fields.push_back(std::move(field));
            field.clear();
            lineHasContent = true;
        } else if (c == '\n') {
            ++line;
            endRecord();
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue;
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
