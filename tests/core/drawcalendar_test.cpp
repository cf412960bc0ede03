#include <gtest/gtest.h>

#include "history/drawcalendar.h"
#include "testhistory.h"

namespace pirumo {
namespace {

Draw Dated(int number, std::string date) {
    Draw draw = test::MakeDraw(number, {1, 2, 3, 4, 5}, 6);
    draw.date = std::move(date);
    return draw;
}

// What the status bar, the prediction and the command line say of a history's newest draw; an
// invalid newest row does not count, and a draw without a date gives no expected date.
TEST(DrawCalendar, NewestAndNextDraw) {
    Draw broken = Dated(1355, "2025/10/07");
    broken.numbers[2] = Draw::kEmptyField;
    struct Case {
        std::vector<Draw> draws;
        const char* newest;
        const char* next;
    };
    const Case cases[] = {
        {{}, "当選データがありません", "第1回"},
        {{Dated(1353, "2025/09/23"), Dated(1354, "2025/09/30"), broken},
         "最新 第1354回（2025/09/30）",
         "第1355回（2025/10/07）"},
        {{Dated(1353, "2025/12/30")}, "最新 第1353回（2025/12/30）", "第1354回（2026/01/06）"},
        {{Dated(7, "")}, "最新 第7回", "第8回"},
    };
    for (const Case& c : cases) {
        const DrawHistory history(c.draws);
        EXPECT_EQ(NewestDrawText(history), c.newest);
        EXPECT_EQ(NextDrawText(NextDrawOf(history)), c.next);
    }
}

// Without a date nothing can be said of how current a history is (the eight-day boundary is the
// command line's test).
TEST(DrawCalendar, NoDateNoOutOfDateNote) {
    EXPECT_EQ(OutOfDateNote(DrawHistory({Dated(1353, "")}), *ParseDrawDate("2030/01/01")), "");
    EXPECT_EQ(OutOfDateNote(DrawHistory(), *ParseDrawDate("2030/01/01")), "");
    for (const char* bad : {"2025/02/30", "2025-09-23", "2025/9/23", ""}) {
        EXPECT_FALSE(ParseDrawDate(bad).has_value()) << bad;
    }
}

}  // namespace
}  // namespace pirumo
