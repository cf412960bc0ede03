// pirumo-cli: the history and every window's grid from the command line. Argument parsing and
// calls into the core only; nothing is computed here.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QStandardPaths>

#include <cstdio>
#include <exception>
#include <filesystem>
#include <map>
#include <memory>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "base/japanesetext.h"
#include "base/programfiles.h"
#include "base/programfolder.h"
#include "base/readablemessage.h"
#include "base/standardstreams.h"
#include "base/systemreason.h"
#include "cli/chartoutput.h"
#include "cli/clicommand.h"
#include "history/store/historyoutputguard.h"

using namespace pirumo::cli;

namespace {

std::vector<CliCommand> Commands() {
    return {InfoCommand(),     ListCommand(),   ShowCommand(),    ImportCommand(),
            ExportCommand(),   SampleCommand(), PredictCommand(), UpdateCommand(),
            BacktestCommand(), CheckCommand(),  TicketsCommand(), ReadAccessCommand()};
}

// Every option any command takes (a null value name marks a flag); each command checks that it
// was given only its own.
const std::vector<std::pair<const char*, const char*>> kValueOptions{
    {"db", "FILE"}, {"format", "FORMAT"}, {"out", "FILE"},    {"ini", "FILE"},
    {"url", "URL"}, {"draws", "N"},       {"seed", "S"},      {"force", nullptr},
    {"from", "N"},  {"to", "N"},          {"log", nullptr},   {"save-url", nullptr},
    {"last", "N"},  {"chance", nullptr},  {"chart", nullptr}, {"draw", "N"},
};

// What each command does, one line for the help text.
const std::map<std::string, std::string> kSummaries{
    {"info", "当選データの件数・最終回・数字ごとの出現回数を JSON で表示します"},
    {"list", "show で表示できる分析ウィンドウの名前を一覧します"},
    {"show",
     "分析ウィンドウの表をウィンドウ名かメニューの項目名で指定して書き出します（--last N で直近 "
     "N 回、--from A --to B で第A回〜第B回に限って分析。--chance で偶然との比較を添え、"
     "--format png --chart でグラフを書き出します）"},
    {"import", "CSV か Access のファイルの当選データで履歴を置き換えます"},
    {"export", "当選データを CSV ファイル（BOM 付き UTF-8）に書き出します"},
    {"sample", "乱数で作ったサンプルの当選データで履歴を置き換えます（試用・テスト用）"},
    {"predict",
     "一発ガルポン予想を設定ファイルの反映オプションで計算して書き出します（--log "
     "で予想記録に追加）"},
    {"update", "当選データをダウンロードして最新にします"},
    {"backtest", "各回より前の当選データだけで予想し直し、当たり方を偶然と比べます（予想の検証）"},
    {"tickets",
     "購入した数字を保存・一覧・削除し、収支（購入額・当せん金・無作為に買った場合）を表示します"},
    {"check", "五つの数字が過去の各回で何等に当たったかと、その確率を表示します（数字チェック）"},
};

std::string Usage(const std::vector<CliCommand>& commands) {
    std::string text = "使い方: pirumo-cli [--db FILE] コマンド [引数]\n\nコマンド:\n";
    for (const CliCommand& c : commands) {
        if (!c.listed) {
            continue;
        }
        text += "  " + c.name + (c.usage.empty() ? "" : " " + c.usage) + "\n";
        if (const auto summary = kSummaries.find(c.name); summary != kSummaries.end()) {
            text += "      " + summary->second + "\n";
        }
    }
    text +=
        "\n--db を省略すると、実行ファイルのフォルダーに書き込めるときはそこの Pirumo.mdb を、"
        "インストールしたときはユーザーのデータフォルダーの Pirumo.mdb を使います。"
        "ないときは同梱の当選データから作成します。\n";
    return text;
}

// A PDF needs fonts, hence a GUI application, but never a display; a chart needs the widget
// application of the charts module.
bool AsksForPdf(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--format=pdf" ||
            (argument == "--format" && i + 1 < argc && std::string(argv[i + 1]) == "pdf")) {
            return true;
        }
    }
    return false;
}

std::unique_ptr<QCoreApplication> CreateApplication(int& argc, char* argv[]) {
    if (AsksForChart(argc, argv)) {
        if (auto chartApplication = NewChartApplication(argc, argv)) {
            return chartApplication;
        }
    } else if (!AsksForPdf(argc, argv)) {
        return std::make_unique<QCoreApplication>(argc, argv);
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    return std::make_unique<QGuiApplication>(argc, argv);
}

void PrintError(const std::string& message) {
    std::fprintf(stderr, "pirumo-cli: %s\n", pirumo::ReadableMessage(message).c_str());
}

// The arguments as Qt parses them, with the bytes each came as: a file name in CP932 is no
// UTF-8, so it is handed to Qt as Latin-1 and its own bytes are used again as the name.
class Arguments {
public:
    Arguments(int argc, char* argv[]) {
        for (int i = 0; i < argc; ++i) {
            const std::string bytes = argv[i];
            const bool utf8 = pirumo::IsValidUtf8(bytes);
            const QString text =
                utf8 ? QString::fromStdString(bytes)
                     : QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
            mList.append(text);
            if (!utf8) {
                mRaw.emplace_back(text, bytes);
            }
        }
    }

    const QStringList& List() const { return mList; }

    // The bytes of an argument or of an option's value taken from one.
    std::string Bytes(const QString& value) const {
        for (const auto& [text, bytes] : mRaw) {
            if (text == value) {
                return bytes;
            }
            if (text.endsWith(QLatin1Char('=') + value)) {
                return bytes.substr(bytes.size() - static_cast<std::size_t>(value.size()));
            }
        }
        return value.toStdString();
    }

private:
    QStringList mList;
    std::vector<std::pair<QString, std::string>> mRaw;
};

// QCommandLineParser explains in English; the cases it knows, in Japanese.
std::string ParserError(const QCommandLineParser& parser) {
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
        const QString dashes =
            unknown.first().size() == 1 ? QStringLiteral("-") : QStringLiteral("--");
        return "オプション「" + (dashes + unknown.first()).toStdString() + "」はありません。";
    }
    const QString text = parser.errorText();
    const qsizetype open = text.indexOf(QLatin1Char('\''));
    const qsizetype close = text.lastIndexOf(QLatin1Char('\''));
    const std::string option = open >= 0 && close > open
                                   ? text.mid(open + 1, close - open - 1).toStdString()
                                   : std::string();
    if (text.startsWith(QLatin1String("Missing value"))) {
        return "オプション「" + option + "」に値がありません。";
    }
    if (text.startsWith(QLatin1String("Unexpected value"))) {
        return "オプション「" + option + "」には値を指定できません。";
    }
    return "引数を解釈できません。";
}

// Output that never arrived (a full disk, a closed pipe) is a failure, not a success.
int FinishOutput(int status) {
    if (const auto error = pirumo::FinishStandardOutput()) {
        PrintError("標準出力に書き込めません（" +
                   pirumo::SystemReason(*error, pirumo::FileAccess::kWrite) + "）。");
        return status == 0 ? 1 : status;
    }
    return status;
}

// Qt's debug, info and warning messages are English notes for developers (a missing runtime
// folder, a font fallback); the command line reports its own failures in Japanese.
QtMessageHandler gQtDefaultHandler = nullptr;

void DropQtDiagnostics(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        gQtDefaultHandler(type, context, text);
    }
}

std::filesystem::path UserFolder(QStandardPaths::StandardLocation location) {
    return QStandardPaths::writableLocation(location).toStdU16String();
}

}  // namespace

int main(int argc, char* argv[]) {
    gQtDefaultHandler = qInstallMessageHandler(DropQtDiagnostics);
    const std::unique_ptr<QCoreApplication> app = CreateApplication(argc, argv);
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
    const Arguments arguments(argc, argv);
    if (!parser.parse(arguments.List())) {
        PrintError(ParserError(parser));
        return 2;
    }
    const QStringList positional = parser.positionalArguments();
    if (parser.isSet(help)) {
        std::fputs(Usage(commands).c_str(), stdout);
        return FinishOutput(0);
    }
    if (positional.isEmpty()) {
        std::fputs(Usage(commands).c_str(), stderr);
        return 2;
    }

    const std::string name = arguments.Bytes(positional.first());
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
        context.options[key] = value ? arguments.Bytes(parser.value(optionName)) : std::string();
    }
    for (qsizetype i = 1; i < positional.size(); ++i) {
        context.arguments.push_back(arguments.Bytes(positional[i]));
    }
    const pirumo::ProgramFiles files = pirumo::LocateProgramFiles(
        pirumo::ProgramFolder(), {UserFolder(QStandardPaths::AppDataLocation),
                                  UserFolder(QStandardPaths::AppConfigLocation)});
    context.db = context.Has("db") ? std::filesystem::path(context.Option("db")) : files.history;
    context.settings =
        context.Has("ini") ? std::filesystem::path(context.Option("ini")) : files.settings;
    context.bundledHistory = files.bundledHistory;
    pirumo::ProtectHistoryFromOutput(context.db);

    try {
        CreateHistoryOnFirstUse(context, name);
        return FinishOutput(command->run(context));
    } catch (const CliError& e) {
        PrintError(e.message);
        return e.exitCode;
    } catch (const std::filesystem::filesystem_error& e) {
        PrintError("ファイル「" + e.path1().string() + "」を扱えません（" +
                   pirumo::SystemReason(e.code().value(), pirumo::FileAccess::kRead) + "）。");
        return 1;
    } catch (const std::bad_alloc&) {
        PrintError("メモリが足りません。");
        return 1;
    } catch (const std::exception& e) {
        PrintError(e.what());
        return 1;
    }
}
