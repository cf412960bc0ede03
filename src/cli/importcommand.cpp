#include <cstdint>
#include <cstdio>
#include <string>

#include "cli/clicommand.h"
#include "history/historyerror.h"
#include "history/import/historycsv.h"
#include "history/import/importchange.h"
#include "history/import/importsource.h"
#include "history/store/historyfile.h"
#include "isolation/isolatedaccessreader.h"
#include "prediction/tickets/ticketcheck.h"

namespace pirumo::cli {

namespace {

// What the file held, to tell which draws the import adds; a file that cannot be read held no
// tickets to check either.
DrawHistory HistoryBeforeImport(const std::filesystem::path& file) {
    try {
        return OpenDrawHistory(file);
    } catch (const HistoryError&) {
        return {};
    }
}

}  // namespace

CliCommand ImportCommand() {
    return {"import", "FILE", {}, [](const CliContext& context) {
                if (context.arguments.size() != 1) {
                    throw CliError{"import には取り込むファイルを一つ指定してください。", 2};
                }
                const CheckedImport checked =
                    CheckImportSource(context.arguments[0], IsolatedAccessReader(DefaultCliPath()));
                const ImportChange change = CompareImport(context.db, checked.rows);
                const DrawHistory before = HistoryBeforeImport(context.db);
                const ImportedHistory imported = ApplyImport(checked, context.db);
                std::printf("%zu 回分の当選データを取り込みました: %s\n",
                            imported.history.Rows().size(), context.db.string().c_str());
                if (!change.lost.empty()) {
                    std::fprintf(
                        stderr,
                        "警告: 前の当選データにあった次の %zu 回分は、取り込んだファイルに"
                        "ないか数字が異なるため、置き換わりました（前のファイルは「%s."
                        "bak」に残しています）。\n%s",
                        change.lost.size(), context.db.string().c_str(),
                        DescribeDroppedDraws(change.lost, SIZE_MAX, "取り込んだファイル").c_str());
                }
                PrintTicketResults(context, NewDraws(before, imported.history));
                return 0;
            }};
}

CliCommand ExportCommand() {
    return {"export", "FILE.csv", {}, [](const CliContext& context) {
                if (context.arguments.size() != 1) {
                    throw CliError{"export には書き出す CSV ファイルを一つ指定してください。", 2};
                }
                ExportCsvHistory(context.db, context.arguments[0]);
                return 0;
            }};
}

}  // namespace pirumo::cli
