#include <algorithm>
#include <cstdio>

#include "cli/clicommand.h"
#include "history/drawfields.h"
#include "history/historyerror.h"
#include "history/store/historyfile.h"
#include "history/store/tickettable.h"
#include "prediction/backtest/numbercheck.h"
#include "prediction/tickets/ticketcheck.h"
#include "prediction/tickets/ticketledger.h"
#include "prediction/tickets/ticketledgerexport.h"

namespace pirumo::cli {

namespace {

constexpr const char* kUsage =
    "tickets add A B C D E [--draw N | --from N] | tickets list | tickets remove 番号 | "
    "tickets ledger [--format json|text|csv] [--out FILE]";

int DrawOption(const CliContext& context, const std::string& name) {
    const std::string text = context.Option(name);
    const std::optional<int> draw = ReadDrawNumberText(text);
    if (!draw) {
        throw CliError{"--" + name + " の「" + text + "」は1から32767までの回数ではありません。",
                       2};
    }
    return *draw;
}

// Every argument after the action is refused, so that a mistyped line changes nothing.
void RequireArgumentCount(const CliContext& context, std::size_t count) {
    if (context.arguments.size() != count) {
        throw CliError{"引数の数が違います。使い方: " + std::string(kUsage), 2};
    }
}

void RefuseOptions(const CliContext& context, const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        if (context.Has(name)) {
            throw CliError{
                "tickets " + context.arguments.front() + " に --" + name + " は指定できません。",
                2};
        }
    }
}

int Add(const CliContext& context) {
    RefuseOptions(context, {"format", "out"});
    if (context.Has("draw") && context.Has("from")) {
        throw CliError{"--draw と --from はどちらか一方だけ指定してください。", 2};
    }
    SavedTicket ticket;
    try {
        ticket.numbers = ParseCheckNumbers(
            std::vector<std::string>(context.arguments.begin() + 1, context.arguments.end()));
    } catch (const NumberCheckError& e) {
        throw CliError{e.what(), 2};
    }
    if (context.Has("from")) {
        ticket.firstDraw = DrawOption(context, "from");
    } else if (context.Has("draw")) {
        ticket.firstDraw = DrawOption(context, "draw");
        ticket.lastDraw = ticket.firstDraw;
    } else {
        // An out-of-date history makes "the next draw" an old one: the note says so.
        const int next = ReadHistoryToReport(context).LastDrawNumber() + 1;
        if (next > kMaxDrawNumber) {
            throw CliError{"次の回がありません（最新 第" + std::to_string(next - 1) +
                               "回）。--draw で回を指定してください。",
                           2};
        }
        ticket.firstDraw = next;
        ticket.lastDraw = next;
    }
    const SavedTicket saved = AddSavedTicket(context.db, ticket);
    std::printf("番号%dとして保存しました：%s（%s）\n", saved.id,
                DescribeTicketNumbers(saved).c_str(), DescribeTicketDraws(saved).c_str());
    return 0;
}

int Remove(const CliContext& context) {
    RefuseOptions(context, {"format", "out", "draw", "from"});
    RequireArgumentCount(context, 2);
    const std::string& text = context.arguments[1];
    const bool digits =
        !text.empty() && text.size() <= 9 &&
        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    const int id = digits ? std::stoi(text) : 0;
    const std::vector<SavedTicket> tickets = ReadSavedTickets(context.db);
    if (std::none_of(tickets.begin(), tickets.end(),
                     [id](const SavedTicket& t) { return t.id == id; })) {
        throw CliError{
            "番号「" + text + "」の購入した数字はありません（tickets list で確かめてください）。",
            2};
    }
    const int newest = OpenDrawHistory(context.db).LastDrawNumber();
    if (RemoveSavedTicket(context.db, id, newest) == TicketRemoval::kEnded) {
        std::printf("番号%dの購入を第%d回までとしました（それまでの回は収支に残ります）。\n", id,
                    newest);
    } else {
        std::printf("番号%dを削除しました。\n", id);
    }
    return 0;
}

int Ledger(const CliContext& context) {
    RefuseOptions(context, {"draw", "from"});
    RequireArgumentCount(context, 1);
    const std::string format = FormatOption(context, {"json", "text", "csv"});
    const TicketLedger ledger =
        MakeTicketLedger(ReadHistoryToReport(context), ReadSavedTickets(context.db));
    WriteOutput(context, format == "json"  ? TicketLedgerToJson(ledger)
                         : format == "csv" ? TicketLedgerToCsv(ledger)
                                           : TicketLedgerToText(ledger));
    return 0;
}

int RunTickets(const CliContext& context) {
    const std::string action = context.arguments.empty() ? "" : context.arguments.front();
    try {
        if (action == "add") {
            return Add(context);
        }
        if (action == "remove") {
            return Remove(context);
        }
        if (action == "list") {
            RefuseOptions(context, {"format", "out", "draw", "from"});
            RequireArgumentCount(context, 1);
            WriteOutput(context, SavedTicketsToText(ReadSavedTickets(context.db)));
            return 0;
        }
        if (action == "ledger") {
            return Ledger(context);
        }
    } catch (const HistoryError& e) {
        throw CliError{e.what()};
    }
    throw CliError{(action.empty() ? "tickets の操作を指定してください。"
                                   : "tickets に「" + action + "」という操作はありません。") +
                       "\n使い方: " + kUsage,
                   2};
}

}  // namespace

void PrintTicketResults(const CliContext& context, const std::vector<Draw>& newDraws) {
    try {
        for (const std::string& line : TicketResultLines(ReadSavedTickets(context.db), newDraws)) {
            std::printf("%s\n", line.c_str());
        }
    } catch (const HistoryError& e) {
        // The draws are in place already; only the check of the tickets is missing.
        std::fprintf(stderr, "pirumo-cli: 購入した数字を確かめられません。%s\n", e.what());
    }
}

CliCommand TicketsCommand() {
    return {"tickets", kUsage, {"draw", "from", "format", "out"}, RunTickets};
}

}  // namespace pirumo::cli
