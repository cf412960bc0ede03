#include "app/commandline.h"

#include <QStandardPaths>
#include <cstring>

#include "base/programfolder.h"

namespace pirumo {

namespace {

std::filesystem::path ToPath(const QString& text) {
    return std::filesystem::path(text.toStdU16String());
}

std::string Utf8(const QString& text) {
    return text.toUtf8().toStdString();
}

std::filesystem::path UserFolder(QStandardPaths::StandardLocation location) {
    return ToPath(QStandardPaths::writableLocation(location));
}

}  // namespace

QString Usage() {
    return QStringLiteral(
        "使い方: pirumo [--db FILE] [--ini FILE] [--render NAME --out FILE.png]\n"
        "\n"
        "  --db FILE        当選データのファイル（省略すると、プログラムがいつも使う Pirumo.mdb）\n"
        "  --ini FILE       設定ファイル（省略すると、プログラムがいつも使う ピルモ.ini）\n"
        "  --render NAME    ウィンドウ NAME（名前かメニューの項目名）を画面に出さずに描きます\n"
        "  --out FILE.png   --render の画像の保存先（PNG）\n"
        "  -h, --help       この使い方を表示します\n"
        "\n"
        "引数なしで起動すると、いつものようにウィンドウを開きます。\n");
}

ProgramFiles LocateOwnFiles() {
    return LocateProgramFiles(ProgramFolder(), {UserFolder(QStandardPaths::AppDataLocation),
                                                UserFolder(QStandardPaths::AppConfigLocation)});
}

CommandLine ParseCommandLine(const QStringList& arguments, const ProgramFiles& files) {
    CommandLine line;
    line.historyFile = files.history;
    line.settingsFile = files.settings;
    bool hasOut = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString option = arguments[i];
        QString value;
        bool hasValue = false;
        const qsizetype equals = option.indexOf(u'=');
        if (option.startsWith(QStringLiteral("--")) && equals > 0) {
            value = option.mid(equals + 1);
            option.truncate(equals);
            hasValue = true;
        }
        if (option == QStringLiteral("-h") || option == QStringLiteral("--help")) {
            line.showsHelp = true;
            return line;
        }
        if (option != QStringLiteral("--db") && option != QStringLiteral("--ini") &&
            option != QStringLiteral("--render") && option != QStringLiteral("--out")) {
            throw CommandLineError("知らないオプションです: " + Utf8(arguments[i]) + "\n" +
                                   Utf8(Usage()));
        }
        if (!hasValue && i + 1 < arguments.size()) {
            value = arguments[++i];
        }
        if (value.isEmpty()) {
            throw CommandLineError(Utf8(option) + " には値を指定してください。");
        }
        if (option == QStringLiteral("--db")) {
            line.historyFile = ToPath(value);
        } else if (option == QStringLiteral("--ini")) {
            line.settingsFile = ToPath(value);
        } else if (option == QStringLiteral("--render")) {
            line.renderName = value;
        } else {
            line.renderOut = ToPath(value);
            hasOut = true;
        }
    }
    if (line.renderName.isEmpty() == hasOut) {
        throw CommandLineError("--render と --out は一緒に指定してください。");
    }
    return line;
}

bool RunsWithoutDisplay(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--render") == 0 || std::strncmp(argv[i], "--render=", 9) == 0 ||
            std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            return true;
        }
    }
    return false;
}

}  // namespace pirumo
