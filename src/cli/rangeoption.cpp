#include "cli/rangeoption.h"

#include <charconv>

namespace pirumo::cli {

namespace {

int PositiveOption(const CliContext& context, const std::string& name, const std::string& what) {
    const std::string text = context.Option(name);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 1) {
        throw CliError{
            "--" + name + " には" + what + "（1 以上の整数）を指定してください: 「" + text + "」",
            2};
    }
    return value;
}

}  // namespace

DrawRange RangeOption(const CliContext& context, const DrawHistory& history) {
    const bool between = context.Has("from") || context.Has("to");
    DrawRange range;
    if (context.Has("last")) {
        if (between) {
            throw CliError{"--last と --from・--to は同時に指定できません。", 2};
        }
        range = DrawRange::Last(PositiveOption(context, "last", "直近の回数"));
    } else if (between) {
        range =
            DrawRange::Between(context.Has("from") ? PositiveOption(context, "from", "回数") : 0,
                               context.Has("to") ? PositiveOption(context, "to", "回数") : 0);
    }
    if (const std::string problem = DrawRangeProblem(range, history); !problem.empty()) {
        throw CliError{problem, 2};
    }
    return range;
}

}  // namespace pirumo::cli
