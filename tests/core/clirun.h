#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "filebytes.h"
#include "testhistory.h"

namespace pirumo::test {

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs pirumo-cli with the arguments (each single-quoted for the shell); its output goes through
// files in the folder.
inline CliResult RunCliIn(const TempFolder& folder, const std::vector<std::string>& args) {
    const auto quoted = [](const std::string& text) {
        std::string q(1, '\'');
        q += text;
        q += '\'';
        return q;
    };
    std::string command = quoted(PIRUMO_CLI_PATH);
    for (const std::string& a : args) {
        command += ' ';
        command += quoted(a);
    }
    const auto out = folder.Path() / "stdout";
    const auto err = folder.Path() / "stderr";
    command += " >";
    command += quoted(out.string());
    command += " 2>";
    command += quoted(err.string());
    const int raw = std::system(command.c_str());
    return {WEXITSTATUS(raw), ReadFileBytes(out), ReadFileBytes(err)};
}

}  // namespace pirumo::test
