// pirumo-cli: the history and every window's grid from the command line. Argument parsing and
// calls into the core only; nothing is computed here.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStandardPaths>

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "base/programfiles.h"
#include "cli/clicommand.h"

using namespace pirumo::cli;

namespace {

std::vector<CliCommand> Commands() {
    return {InfoCommand(),   ListCommand(),   ShowCommand(),    ImportCommand(),
            ExportCommand(), SampleCommand(), PredictCommand(), UpdateCommand()};
}

// Every option any command takes (a null value name marks a flag); each command checks that it
// was given only its own.
const std::vector<std::pair<const char*, const char*>> kValueOptions{
    {"db", "FILE"}, {"format", "FORMAT"}, {"out", "FILE"},    {"ini", "FILE"},       {"url", "URL"},
    {"draws", "N"}, {"seed", "S"},        {"force", nullptr}, {"save-url", nullptr},
};

std::string Usage(const std::vector<CliCommand>& commands) {
    std::string text = "使い方: pirumo-cli [--db FILE] コマンド [引数]\n\nコマンド:\n";
    for (const CliCommand& c : commands) {
        text += "  " + c.name + (c.usage.empty() ? "" : " " + c.usage) + "\n";
    }
    text +=
        "\n--db を省略すると、実行ファイルのフォルダーに書き込めるときはそこの Pirumo.mdb を、"
        "インストールしたときはユーザーのデータフォルダーの Pirumo.mdb を使います。"
        "ないときは同梱の当選データから作成します。\n";
    return text;
}

void PrintError(const std::string& message) {
    std::fprintf(stderr, "pirumo-cli: %s\n", message.c_str());
}

std::filesystem::path UserFolder(QStandardPaths::StandardLocation location) {
    return QStandardPaths::writableLocation(location).toStdU16String();
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("pirumo"));
    const std::vector<CliCommand> commands = Commands();

    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    parser.addOption(help);
    for (const auto& [name, value] : kValueOptions) {
        parser.addOption(
            value ? QCommandLineOption(QString::fromUtf8(name), QString(), QString::fromUtf8(value))
                  : QCommandLineOption(QString::fromUtf8(name)));
    }
    if (!parser.parse(app.arguments())) {
        PrintError("引数を解釈できません: " + parser.errorText().toStdString());
        return 2;
    }
    const QStringList positional = parser.positionalArguments();
    if (parser.isSet(help) || positional.isEmpty()) {
        std::fputs(Usage(commands).c_str(), parser.isSet(help) ? stdout : stderr);
        return parser.isSet(help) ? 0 : 2;
    }

    const std::string name = positional.first().toStdString();
    const CliCommand* command = nullptr;
    for (const CliCommand& c : commands) {
        if (c.name == name) {
            command = &c;
        }
    }
    if (command == nullptr) {
        PrintError("コマンド「" + name + "」はありません。\n" + Usage(commands));
        return 2;
    }

    CliContext context;
    for (const auto& [option, value] : kValueOptions) {
        const QString optionName = QString::fromUtf8(option);
        if (!parser.isSet(optionName)) {
            continue;
        }
        const std::string key = option;
        bool accepted = key == "db";
        for (const std::string& o : command->options) {
            accepted = accepted || o == key;
        }
        if (!accepted) {
            PrintError("コマンド「" + name + "」にオプション --" + key + " は指定できません。");
            return 2;
        }
        context.options[key] = value ? parser.value(optionName).toStdString() : std::string();
    }
    for (qsizetype i = 1; i < positional.size(); ++i) {
        context.arguments.push_back(positional[i].toStdString());
    }
    const pirumo::ProgramFiles files = pirumo::LocateProgramFiles(
        pirumo::ProgramFolder(), {UserFolder(QStandardPaths::AppDataLocation),
                                  UserFolder(QStandardPaths::AppConfigLocation)});
    context.db = context.Has("db") ? std::filesystem::path(context.Option("db")) : files.history;
    context.settings =
        context.Has("ini") ? std::filesystem::path(context.Option("ini")) : files.settings;
    context.bundledHistory = files.bundledHistory;

    try {
        CreateHistoryOnFirstUse(context, name);
        return command->run(context);
    } catch (const CliError& e) {
        PrintError(e.message);
        return e.exitCode;
    } catch (const std::exception& e) {
        PrintError(e.what());
        return 1;
    }
}
