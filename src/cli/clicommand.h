#pragma once

#include <QByteArray>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "history/drawhistory.h"

namespace pirumo::cli {

// What one invocation of pirumo-cli was given, after parsing.
struct CliContext {
    std::filesystem::path db;                    // --db, or the program's own history
    std::filesystem::path settings;              // --ini, or the program's own settings file
    std::filesystem::path bundledHistory;        // the shipped results; empty when absent
    std::vector<std::string> arguments;          // positional arguments after the command name
    std::map<std::string, std::string> options;  // --name value

    bool Has(const std::string& name) const { return options.count(name) != 0; }
    std::string Option(const std::string& name, const std::string& fallback = {}) const;
};

// A command failed for a reason the user can act on; the message is Japanese.
struct CliError {
    std::string message;
    int exitCode = 1;
};

struct CliCommand {
    std::string name;
    std::string usage;                 // argument synopsis for the help text
    std::vector<std::string> options;  // option names the command takes (without "--")
    std::function<int(const CliContext&)> run;
    bool listed = true;  // false: a command the programs run themselves, left out of the help
};

// Throws CliError for a command that takes no positional arguments but was given some.
void RefuseArguments(const CliContext& context, const std::string& command);

// Writes `text` to the --out file (see WriteOutputFile) or to standard output, which main
// checks once everything has been written.
void WriteOutput(const CliContext& context, const std::string& text);

// Before a command that reads the history: the program's own history, when it does not exist
// yet, is created from the bundled results and a note says so on standard error. A file named by
// --db is never created, so that a mistyped path is reported instead of filled.
void CreateHistoryOnFirstUse(const CliContext& context, const std::string& command);

// The history a command reports on; when its newest draw is more than eight days old, one line on
// standard error says so (standard output and the exit status stay as they are).
DrawHistory ReadHistoryToReport(const CliContext& context);

// The --format value ("text" when not given), which must be one of `formats`; throws CliError
// listing them otherwise.
std::string FormatOption(const CliContext& context, const std::vector<std::string>& formats);

// A PDF goes to a file only, never to the terminal: throws when --format pdf lacks --out.
void RequireOutFileForPdf(const CliContext& context, const std::string& format);
// PDF bytes as WriteOutput takes them.
std::string PdfBytes(const QByteArray& pdf);

// After draws were added (a refresh, an import): one line per new draw some saved ticket was
// bought for, saying what they won.
void PrintTicketResults(const CliContext& context, const std::vector<Draw>& newDraws);

// The commands, one per file.
CliCommand InfoCommand();
CliCommand ListCommand();
CliCommand ShowCommand();
CliCommand ImportCommand();
CliCommand ExportCommand();
CliCommand SampleCommand();
CliCommand PredictCommand();
CliCommand UpdateCommand();
CliCommand BacktestCommand();
CliCommand CheckCommand();
CliCommand TicketsCommand();
CliCommand ReadAccessCommand();

}  // namespace pirumo::cli
