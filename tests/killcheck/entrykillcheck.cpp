// Drives the manual entry's write path with a seeded stream of edits, for scripts/kill-entry-check:
//   pirumo_entry_killcheck run FILE SEED LOG
//       edits FILE until killed, appending one line to LOG after each finished change;
//   pirumo_entry_killcheck verify START FILE SEED LOG
//       replays the same stream on a copy of START and checks that FILE holds exactly the
//       changes logged, or those and the one that was under way when the process was killed.
#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "history/entry/drawentry.h"
#include "history/historyerror.h"
#include "history/store/sqlcipherdatabase.h"

namespace {

using namespace pirumo;

constexpr int kMaxChanges = 1000000;
constexpr int kFewestRows = 20;
constexpr int kMostRows = 600;

int Pick(std::mt19937& random, int first, int last) {
    return std::uniform_int_distribution<int>(first, last)(random);
}

std::string FullWidth(int number) {
    std::string text;
    for (char digit : std::to_string(number)) {
        text += "\xEF\xBC";
        text += static_cast<char>(0x90 + (digit - '0'));
    }
    return text;
}

// One change of the stream. The choices depend only on the random numbers and the grid, so a
// replay from the same file and seed makes the same changes.
void MakeChange(DrawEntry& entry, std::mt19937& random) {
    const int rows = entry.Grid().RowCount();
    const int kind = Pick(random, 0, 99);
    const int row = Pick(random, 1, std::max(rows, 1));
    const int column = Pick(random, entry::kFirstNumberColumn, entry::kBonusColumn);
    const int number = Pick(random, 1, 31);
    if (rows == 0 || (kind < 10 && rows < kMostRows)) {
        entry.AddRowAfter(rows == 0 ? 0 : row, column);
    } else if (kind < 20 && rows > kFewestRows) {
        entry.DeleteRow(row);
    } else if (kind < 25) {
        entry.EditCell(column, row, number % 2 == 0 ? "1.5" : "32");  // refused, never written
    } else if (kind < 35) {
        entry.EditCell(column, row, "");
    } else if (kind < 45) {
        entry.EditCell(column, row, FullWidth(number));
    } else {
        entry.EditCell(column, row, std::to_string(number));
    }
}

int Run(const std::filesystem::path& file, unsigned seed, const std::filesystem::path& log) {
    const int logFd = ::open(log.c_str(), O_WRONLY | O_APPEND | O_CREAT, 0644);
    if (logFd < 0) {
        std::perror("log");
        return 2;
    }
    DrawEntry entry(file);
    std::mt19937 random(seed);
    for (int i = 0; i < kMaxChanges; ++i) {
        MakeChange(entry, random);
        if (::write(logFd, "x\n", 2) != 2) {
            return 2;
        }
    }
    return 0;
}

int CountLines(const std::filesystem::path& log) {
    std::ifstream in(log);
    int lines = 0;
    for (std::string line; std::getline(in, line);) {
        ++lines;
    }
    return lines;
}

bool SameRows(const std::vector<StoredRow>& a, const std::vector<StoredRow>& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].drawNumber != b[i].drawNumber || a[i].numbers != b[i].numbers ||
            a[i].date != b[i].date) {
            return false;
        }
    }
    return true;
}

// Every stored field is empty or 1..31: the stream writes nothing else.
bool FieldsAreWhole(const std::vector<StoredRow>& rows) {
    for (const StoredRow& row : rows) {
        for (const auto& value : row.numbers) {
            if (value && (*value < 1 || *value > 31)) {
                std::printf("draw %d holds %lld\n", row.drawNumber, *value);
                return false;
            }
        }
    }
    return true;
}

std::string IntegrityOf(const std::filesystem::path& file) {
    SqlCipherDatabase db(file, SqlCipherDatabase::Mode::kReadWrite);
    SqlStatement check(db, "PRAGMA integrity_check");
    std::string result;
    while (check.Step()) {
        result += reinterpret_cast<const char*>(sqlite3_column_text(check.Handle(), 0));
    }
    return result;
}

int Verify(const std::filesystem::path& start, const std::filesystem::path& file, unsigned seed,
           const std::filesystem::path& log) {
    const int logged = CountLines(log);
    // Opening the file first rolls back a change that was cut off, as every reader does.
    const std::vector<StoredRow> actual = HistoryFileEditor(file).ReadAll();
    const std::string integrity = IntegrityOf(file);
    if (integrity != "ok") {
        std::printf("integrity check: %s\n", integrity.c_str());
        return 1;
    }
    if (!FieldsAreWhole(actual)) {
        return 1;
    }

    const std::filesystem::path replay = file.parent_path() / "replay.mdb";
    std::filesystem::copy_file(start, replay, std::filesystem::copy_options::overwrite_existing);
    int state = -1;
    {
        DrawEntry entry(replay);
        std::mt19937 random(seed);
        for (int i = 0; i < logged; ++i) {
            MakeChange(entry, random);
        }
        if (SameRows(HistoryFileEditor(replay).ReadAll(), actual)) {
            state = 0;
        } else {
            MakeChange(entry, random);
            if (SameRows(HistoryFileEditor(replay).ReadAll(), actual)) {
                state = 1;
            }
        }
    }
    std::filesystem::remove(replay);
    if (state < 0) {
        std::printf("file matches neither change %d nor change %d of the stream\n", logged,
                    logged + 1);
        return 1;
    }
    std::printf("changes=%d in-flight-change=%s rows=%zu\n", logged, state == 1 ? "kept" : "absent",
                actual.size());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        if (args.size() == 4 && args[0] == "run") {
            return Run(args[1], static_cast<unsigned>(std::stoul(args[2])), args[3]);
        }
        if (args.size() == 5 && args[0] == "verify") {
            return Verify(args[1], args[2], static_cast<unsigned>(std::stoul(args[3])), args[4]);
        }
    } catch (const HistoryError& error) {
        std::printf("%s\n", error.what());
        return 1;
    }
    std::fprintf(stderr,
                 "usage: pirumo_entry_killcheck run FILE SEED LOG\n"
                 "       pirumo_entry_killcheck verify START FILE SEED LOG\n");
    return 2;
}
