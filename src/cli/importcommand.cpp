#include <algorithm>
#include <cctype>
#include <string>

#include "cli/clicommand.h"
#include "history/import/accessimport.h"
#include "history/import/historycsv.h"

namespace pirumo::cli {

namespace {

std::string LowerExtension(const std::filesystem::path& file) {
    std::string ext = file.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext;
}

}  // namespace

CliCommand ImportCommand() {
    return {"import", "FILE.csv|FILE.mdb", {}, [](const CliContext& context) {
                if (context.arguments.size() != 1) {
                    throw CliError{"import には取り込むファイルを一つ指定してください。", 2};
                }
                const std::filesystem::path source = context.arguments[0];
                const std::string ext = LowerExtension(source);
                int draws = 0;
                if (ext == ".csv") {
                    draws = ImportCsvHistory(source, context.db);
                } else if (ext == ".mdb") {
                    draws = ImportAccessHistory(source, context.db);
                } else {
                    throw CliError{
                        "取り込めるのは CSV ファイル（.csv）か Access ファイル（.mdb）です: " +
                            source.string(),
                        2};
                }
                std::printf("%d 回分の当選データを取り込みました: %s\n", draws,
                            context.db.string().c_str());
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
