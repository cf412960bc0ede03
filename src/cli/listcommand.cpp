#include "analyses/analysiscatalog.h"
#include "cli/clicommand.h"

namespace pirumo::cli {

CliCommand ListCommand() {
    return {"list", "", {"out"}, [](const CliContext& context) {
                RefuseArguments(context, "list");
                std::string text;
                for (const Analysis& window : Analyses()) {
                    text += window.name + "\n";
                }
                WriteOutput(context, text);
                return 0;
            }};
}

}  // namespace pirumo::cli
