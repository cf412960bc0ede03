#include "history/entry/entrytext.h"

#include "history/drawfields.h"

namespace pirumo {

std::string EntryText::CellText() const {
    return kind == Kind::kNumber ? std::to_string(number) : std::string();
}

EntryText ParseEntryText(std::string_view text) {
    const NumberText read = ReadNumberText(text);
    switch (read.kind) {
        case NumberText::Kind::kEmpty:
            return {};
        case NumberText::Kind::kNumber:
            return {EntryText::Kind::kNumber, read.value};
        case NumberText::Kind::kWrong:
            break;
    }
    return {EntryText::Kind::kWrong};
}

std::string StoredNumberText(const std::optional<long long>& value) {
    return value ? std::to_string(*value) : std::string();
}

}  // namespace pirumo
