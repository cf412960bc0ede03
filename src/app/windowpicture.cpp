#include "app/windowpicture.h"

#include <QCoreApplication>
#include <QImage>
#include <QPixmap>
#include <QSaveFile>
#include <cstdio>

#include "history/store/historyfile.h"
#include "app/mainfrm.h"

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
    const QString out = QString::fromStdU16String(line.renderOut.u16string());
    QSaveFile file(out);
    if (!file.open(QIODevice::WriteOnly) || !picture.save(&file, "PNG") || !file.commit()) {
        ReportError(QStringLiteral("画像を書き出せません: %1").arg(out));
        return 1;
    }
    return 0;
}

}  // namespace pirumo
