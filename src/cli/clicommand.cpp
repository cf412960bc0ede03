#include "cli/clicommand.h"

#include <cstdio>

#include "base/atomicfile.h"

namespace pirumo::cli {

std::string CliContext::Option(const std::string& name, const std::string& fallback) const {
    const auto it = options.find(name);
    return it == options.end() ? fallback : it->second;
}

void WriteOutput(const CliContext& context, const std::string& text) {
    if (context.Has("out")) {
        WriteFileAtomically(context.Option("out"), text);
        return;
    }
    std::fwrite(text.data(), 1, text.size(), stdout);
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
