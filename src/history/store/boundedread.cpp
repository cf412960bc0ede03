#include "history/store/boundedread.h"

#include <sqlite3.h>

namespace pirumo {

namespace {

// Virtual machine steps between two looks at the clock: often enough to stop within
// milliseconds, rarely enough to cost nothing.
constexpr int kStepsPerDeadlineCheck = 10000;

}  // namespace

BoundedRead::BoundedRead(SqlCipherDatabase& db, std::chrono::milliseconds deadline)
    : mDb(db),
      mDeadline(std::chrono::steady_clock::now() + deadline),
      mOldLengthLimit(sqlite3_limit(db.Handle(), SQLITE_LIMIT_LENGTH, kMaxValueBytes)) {
    sqlite3_set_authorizer(db.Handle(), &BoundedRead::Authorize, this);
    sqlite3_progress_handler(db.Handle(), kStepsPerDeadlineCheck, &BoundedRead::CheckDeadline,
                             this);
}

BoundedRead::~BoundedRead() {
    sqlite3_progress_handler(mDb.Handle(), 0, nullptr, nullptr);
    sqlite3_set_authorizer(mDb.Handle(), nullptr, nullptr);
    sqlite3_limit(mDb.Handle(), SQLITE_LIMIT_LENGTH, mOldLengthLimit);
}

int BoundedRead::Authorize(void* self, int action, const char*, const char*, const char*,
                           const char*) {
    if (action == SQLITE_RECURSIVE) {
        static_cast<BoundedRead*>(self)->mRefusedRecursion = true;
        return SQLITE_DENY;
    }
    return SQLITE_OK;
}

int BoundedRead::CheckDeadline(void* self) {
    return std::chrono::steady_clock::now() > static_cast<BoundedRead*>(self)->mDeadline ? 1 : 0;
}

}  // namespace pirumo
