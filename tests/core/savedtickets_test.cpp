#include <gtest/gtest.h>

#include "filebytes.h"
#include "history/historyerror.h"
#include "history/store/historyfile.h"
#include "history/store/tickettable.h"
#include "historybodies.h"
#include "testhistory.h"

namespace pirumo {
namespace {

namespace fs = std::filesystem;

SavedTicket Ticket(std::array<int, 5> numbers, int first, std::optional<int> last) {
    SavedTicket ticket;
    ticket.numbers = numbers;
    ticket.firstDraw = first;
    ticket.lastDraw = last;
    return ticket;
}

class SavedTicketsTest : public ::testing::Test {
protected:
    void SetUp() override { ReplaceHistoryFile(File(), test::SomeDraws(10)); }
    fs::path File() const { return mFolder.Path() / "Pirumo.mdb"; }

    test::TempFolder mFolder;
};

TEST_F(SavedTicketsTest, AFileWithoutTheTableHoldsNoneAndTheFirstAddMakesIt) {
    EXPECT_TRUE(ReadSavedTickets(File()).empty());
    const SavedTicket one = AddSavedTicket(File(), Ticket({27, 2, 15, 9, 22}, 11, 11));
    const SavedTicket two = AddSavedTicket(File(), Ticket({1, 2, 3, 4, 5}, 3, std::nullopt));
    EXPECT_EQ(one.id, 1);
    EXPECT_EQ(two.id, 2);
    EXPECT_EQ(one.numbers, (std::array<int, 5>{2, 9, 15, 22, 27}));
    EXPECT_EQ(ReadSavedTickets(File()), (std::vector<SavedTicket>{one, two}));
    // The draws are untouched by the tickets beside them.
    EXPECT_EQ(ReadHistoryRows(File()), test::SomeDraws(10));
}

TEST_F(SavedTicketsTest, RefusesABadTicketAndLeavesTheFileAsItWas) {
    AddSavedTicket(File(), Ticket({1, 2, 3, 4, 5}, 11, 11));
    const std::string before = test::ReadFileBytes(File());
    const SavedTicket bad[] = {
        Ticket({1, 1, 3, 4, 5}, 11, 11),   Ticket({0, 2, 3, 4, 5}, 11, 11),
        Ticket({1, 2, 3, 4, 32}, 11, 11),  Ticket({1, 2, 3, 4, 5}, 0, 0),
        Ticket({1, 2, 3, 4, 5}, 12, 11),   Ticket({1, 2, 3, 4, 5}, 32768, std::nullopt),
        Ticket({1, 2, 3, 4, 5}, 5, 32768),
    };
    for (const SavedTicket& ticket : bad) {
        EXPECT_THROW(AddSavedTicket(File(), ticket), HistoryError) << DescribeTicketNumbers(ticket);
        EXPECT_EQ(test::ReadFileBytes(File()), before);
    }
    EXPECT_THROW(RemoveSavedTicket(File(), 7, 10), HistoryError);
    EXPECT_EQ(test::ReadFileBytes(File()), before);
}

// A ticket for every draw keeps the draws it was already bought for; anything else goes.
TEST_F(SavedTicketsTest, RemovingEndsAnOpenTicketThatHasBeenDrawnAndDeletesTheRest) {
    const SavedTicket drawn = AddSavedTicket(File(), Ticket({1, 2, 3, 4, 5}, 8, std::nullopt));
    const SavedTicket future = AddSavedTicket(File(), Ticket({1, 2, 3, 4, 6}, 11, std::nullopt));
    const SavedTicket single = AddSavedTicket(File(), Ticket({1, 2, 3, 4, 7}, 9, 9));
    EXPECT_EQ(RemoveSavedTicket(File(), drawn.id, 10), TicketRemoval::kEnded);
    EXPECT_EQ(RemoveSavedTicket(File(), future.id, 10), TicketRemoval::kDeleted);
    EXPECT_EQ(RemoveSavedTicket(File(), single.id, 10), TicketRemoval::kDeleted);
    SavedTicket ended = drawn;
    ended.lastDraw = 10;
    EXPECT_EQ(ReadSavedTickets(File()), std::vector<SavedTicket>{ended});
}

// A refresh, an import or a sample writes a whole new file: the tickets go with it.
TEST_F(SavedTicketsTest, AReplacementOfTheDrawsCarriesTheTicketsAcross) {
    const SavedTicket a = AddSavedTicket(File(), Ticket({1, 2, 3, 4, 5}, 3, std::nullopt));
    const SavedTicket b = AddSavedTicket(File(), Ticket({6, 7, 8, 9, 10}, 12, 12));
    RemoveSavedTicket(File(), a.id, 10);
    const std::vector<SavedTicket> saved = ReadSavedTickets(File());
    ReplaceHistoryFile(File(), test::SomeDraws(12));
    EXPECT_EQ(ReadHistoryRows(File()), test::SomeDraws(12));
    EXPECT_EQ(ReadSavedTickets(File()), saved);
    ReplaceHistoryFile(File(), test::SomeDraws(2), HistoryKind::kSample);
    EXPECT_EQ(ReadSavedTickets(File()), saved);
    // The next ticket after a replacement does not take a carried one's 番号.
    EXPECT_EQ(AddSavedTicket(File(), Ticket({1, 2, 3, 4, 5}, 13, 13)).id, b.id + 1);
}

}  // namespace
}  // namespace pirumo
