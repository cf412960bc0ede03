#include "cli/clicommand.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "base/outputfile.h"
#include "base/systemreason.h"
#include "history/drawcalendar.h"
#include "history/store/historyfile.h"

namespace pirumo::cli {

std::string CliContext::Option(const std::string& name, const std::string& fallback) const {
    const auto it = options.find(name);
    return it == options.end() ? fallback : it->second;
}

void RefuseArguments(const CliContext& context, const std::string& command) {
    if (!context.arguments.empty()) {
        throw CliError{command + " には引数を指定できません: 「" + context.arguments.front() + "」",
                       2};
    }
}

void WriteOutput(const CliContext& context, const std::string& text) {
    if (context.Has("out")) {
        WriteOutputFile(context.Option("out"), text);
        return;
    }
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size()) {
        throw CliError{"標準出力に書き込めません（" + SystemReason(errno, FileAccess::kWrite) +
                       "）。"};
    }
}

DrawHistory ReadHistoryToReport(const CliContext& context) {
    DrawHistory history = OpenDrawHistory(context.db);
    if (const std::string note = OutOfDateNote(history, Today()); !note.empty()) {
        std::fprintf(stderr, "pirumo-cli: %s\n", note.c_str());
    }
    return history;
}

std::string FormatOption(const CliContext& context, const std::vector<std::string>& formats) {
    const std::string format = context.Option("format", "text");
    if (std::find(formats.begin(), formats.end(), format) != formats.end()) {
        return format;
    }
    std::string names;
    for (const std::string& name : formats) {
        names += (names.empty() ? "" : ", ") + name;
    }
    throw CliError{"形式「" + format + "」には対応していません（" + names + "）。", 2};
}

void RequireOutFileForPdf(const CliContext& context, const std::string& format) {
    if (format == "pdf" && !context.Has("out")) {
        throw CliError{"PDF は --out で書き出すファイルを指定してください。", 2};
    }
}

std::string PdfBytes(const QByteArray& pdf) {
    return std::string(pdf.constData(), static_cast<std::size_t>(pdf.size()));
}

}  // namespace pirumo::cli
