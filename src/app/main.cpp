#include <QApplication>
#include <cstdio>

#include "app/commandline.h"
#include "app/mainwindow.h"
#include "app/programicon.h"
#include "app/windowpicture.h"
#include "widgets/gridview.h"
#include "widgets/japanesetranslation.h"

int main(int argc, char** argv) {
    if (pirumo::RunsWithoutDisplay(argc, argv)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    // The ASCII name names the user's folders, shared with pirumo-cli; windows show the other.
    QApplication::setApplicationName(QStringLiteral("pirumo"));
    QApplication::setApplicationDisplayName(QStringLiteral("ピルモ"));
    QGuiApplication::setDesktopFileName(QStringLiteral("pirumo"));
    pirumo::InstallJapaneseQtTranslation(app);
    QApplication::setFont(pirumo::GridFont());

    const pirumo::ProgramFiles files = pirumo::LocateOwnFiles();
    pirumo::CommandLine line;
    try {
        line = pirumo::ParseCommandLine(QApplication::arguments().mid(1), files);
    } catch (const pirumo::CommandLineError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 2;
    }
    if (line.showsHelp) {
        std::fputs(pirumo::Usage().toUtf8().constData(), stdout);
        return 0;
    }
    if (!line.renderName.isEmpty()) {
        QApplication::setWindowIcon(pirumo::ProgramIcon());  // in the child windows' title bars
        return pirumo::SaveWindowPicture(line);
    }
    pirumo::SetProgramIconOnceOnScreen();
    pirumo::MainWindow mainWindow(
        {line.historyFile, line.settingsFile, {}, {}, files.bundledHistory});
    if (!mainWindow.Load()) {
        return 1;
    }
    mainWindow.show();
    mainWindow.activateWindow();  // also without a window manager, so the prediction opens
    return QApplication::exec();
}
