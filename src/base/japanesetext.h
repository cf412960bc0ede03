#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pirumo {

bool IsValidUtf8(std::string_view bytes);

// CP932 (Windows Shift_JIS) to UTF-8; nullopt when bytes are not valid CP932.
std::optional<std::string> Cp932ToUtf8(std::string_view bytes);

// UTF-8 to CP932; nullopt when the text holds a character CP932 lacks or is not valid UTF-8.
std::optional<std::string> Utf8ToCp932(std::string_view text);

// Text of a file written by Japanese Windows or by a UTF-8 tool: a UTF-8 byte order mark is
// dropped, valid UTF-8 is taken as it stands, anything else is read as CP932. nullopt when it
// is neither.
std::optional<std::string> DecodeJapaneseText(std::string_view bytes);

}  // namespace pirumo
