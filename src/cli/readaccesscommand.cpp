#include "cli/clicommand.h"
#include "history/import/accessrows.h"
#include "history/store/historyfile.h"

namespace pirumo::cli {

// The other end of IsolatedAccessReader: the one place where libmdb reads a Jet file, in a
// process of its own. Writes the checked draws of JET to the new history file OUT.
CliCommand ReadAccessCommand() {
    return {"read-access",
            "JET OUT",
            {},
            [](const CliContext& context) {
                if (context.arguments.size() != 2) {
                    throw CliError{
                        "read-access には Access ファイルと書き出すファイルを指定して"
                        "ください。",
                        2};
                }
                CreateHistoryFile(context.arguments[1],
                                  ReadAccessHistoryRows(context.arguments[0]));
                return 0;
            },
            false};
}

}  // namespace pirumo::cli
