#include "app/windowpicture.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QPixmap>
#include <cstdio>

#include "app/mainfrm.h"
#include "base/fileerror.h"
#include "base/outputfile.h"
#include "history/store/historyfile.h"

namespace pirumo {

namespace {

void ReportError(const QString& message) {
    std::fprintf(stderr, "%s\n", message.toUtf8().constData());
}

std::optional<DrawHistory> ReadHistoryOrReport(QWidget*, const std::filesystem::path& file) {
    try {
        return OpenDrawHistory(file);
    } catch (const std::exception& error) {
        ReportError(QString::fromUtf8(error.what()));
        return std::nullopt;
    }
}

}  // namespace

int SaveWindowPicture(const CommandLine& line) {
    MainFrm main({line.historyFile, line.settingsFile, ReadHistoryOrReport});
    if (!main.Load()) {
        return 1;
    }
    main.show();
    QCoreApplication::processEvents();
    QWidget* window = main.ChooseWindow(line.renderName);
    if (window == nullptr) {
        ReportError(
            QStringLiteral("「%1」という名前のウィンドウはありません。").arg(line.renderName));
        return 2;
    }
    QCoreApplication::processEvents();
    const QImage picture = window->grab().toImage();
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "PNG")) {
        ReportError(QStringLiteral("画像を作れません。"));
        return 1;
    }
    try {
        WriteOutputFile(line.renderOut, std::string_view(png.constData(), png.size()));
    } catch (const FileError& error) {
        ReportError(QString::fromUtf8(error.what()));
        return 1;
    }
    return 0;
}

}  // namespace pirumo
