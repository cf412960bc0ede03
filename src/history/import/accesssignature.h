#pragma once

#include <cstddef>
#include <string>

namespace pirumo {

// Where a Jet file keeps its version byte (Jet 3 or Jet 4).
inline constexpr std::size_t kJetVersionOffset = 0x14;

// True when bytes start like a Jet 3 or Jet 4 database (the download refresh dispatches on it).
// Apart from the reader, so that a program that only dispatches does not link libmdb.
bool LooksLikeAccessFile(const std::string& bytes);

}  // namespace pirumo
