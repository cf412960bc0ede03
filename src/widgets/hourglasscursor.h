#pragma once

namespace pirumo {

// Shows the hourglass pointer over the whole program for the lifetime of the object.
class HourglassCursor {
public:
    HourglassCursor();
    ~HourglassCursor();
    HourglassCursor(const HourglassCursor&) = delete;
    HourglassCursor& operator=(const HourglassCursor&) = delete;

    // Back to the default pointer before the end of the scope (e.g. before asking the user).
    void Restore();

private:
    bool mShown = true;
};

// Lets pending paint and window events run inside a long handler. User input waits, so a click
// cannot start a second handler in the middle of this one.
void ProcessPendingEvents();

}  // namespace pirumo
