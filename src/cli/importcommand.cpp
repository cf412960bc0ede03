#include <string>

#include "cli/clicommand.h"
#include "history/import/historycsv.h"
#include "history/import/importsource.h"
#include "isolation/isolatedaccessreader.h"

namespace pirumo::cli {

CliCommand ImportCommand() {
    return {"import", "FILE", {}, [](const CliContext& context) {
                if (context.arguments.size() != 1) {
                    throw CliError{"import には取り込むファイルを一つ指定してください。", 2};
                }
                const ImportedHistory imported = ImportHistory(
                    context.arguments[0], context.db, IsolatedAccessReader(DefaultCliPath()));
                std::printf("%zu 回分の当選データを取り込みました: %s\n",
                            imported.history.Rows().size(), context.db.string().c_str());
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
