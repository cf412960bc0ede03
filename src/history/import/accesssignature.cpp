#include "history/import/accesssignature.h"

namespace pirumo {

namespace {

constexpr char kJetSignature[] = "Standard Jet DB";

}  // namespace

bool LooksLikeAccessFile(const std::string& bytes) {
    return bytes.size() > kJetVersionOffset + 4 &&
           bytes.compare(4, sizeof kJetSignature, kJetSignature, sizeof kJetSignature) == 0;
}

}  // namespace pirumo
