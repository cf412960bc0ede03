#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace pirumo {

// How many characters of a quoted value a message shows.
inline constexpr std::size_t kMaxQuotedCharacters = 60;

// A message as the user should see it: characters that would not show are made visible
// (control characters as their pictures ␀ ␉ ␚, a byte order mark as <BOM>, other invisible
// marks as <U+200B>, bytes that are no UTF-8 as \xNN), and every 「…」 quotation longer than
// kMaxQuotedCharacters is cut to its head and tail with "…" and its length, so a huge field or a
// NUL in an echoed value can neither swamp nor cut the message. Line breaks stay.
std::string ReadableMessage(std::string_view message);

}  // namespace pirumo
