#pragma once

#include <chrono>

#include "history/store/sqlcipherdatabase.h"

namespace pirumo {

// Bounds on reading a history file that may come from anywhere, whose saved query runs inside
// this program: while it lives, a query may not call itself (a recursive query can grow without
// end), no value or row may be longer than kMaxValueBytes, and a statement that runs past the
// deadline stops with SQLITE_INTERRUPT. The connection's own settings come back at the end.
class BoundedRead {
public:
    // A draw's fields are short numbers and a date; a row of them is far below this.
    static constexpr int kMaxValueBytes = 1024;
    static constexpr std::chrono::milliseconds kDeadline{std::chrono::seconds(10)};

    explicit BoundedRead(SqlCipherDatabase& db, std::chrono::milliseconds deadline = kDeadline);
    ~BoundedRead();
    BoundedRead(const BoundedRead&) = delete;
    BoundedRead& operator=(const BoundedRead&) = delete;

    // True once a statement was refused because it holds a recursive query.
    bool RefusedRecursion() const { return mRefusedRecursion; }

private:
    static int Authorize(void* self, int action, const char*, const char*, const char*,
                         const char*);
    static int CheckDeadline(void* self);

    SqlCipherDatabase& mDb;
    std::chrono::steady_clock::time_point mDeadline;
    int mOldLengthLimit;
    bool mRefusedRecursion = false;
};

}  // namespace pirumo
