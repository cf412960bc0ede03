#include "app/windowpicture.h"

#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QMessageBox>
#include <QPixmap>
#include <QPointer>
#include <QRegularExpression>
#include <cstdio>

#include "app/mainmenu.h"
#include "app/mainwindow.h"
#include "app/quickpng.h"
#include "base/fileerror.h"
#include "base/outputfile.h"
#include "history/store/historyfile.h"
#include "prediction/initfile.h"

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

// Nobody is there to answer a render's questions: a modal dialog is reported on standard error
// and closed at once, and the render then fails.
class QuestionRefuser : public QObject {
public:
    QuestionRefuser() { qApp->installEventFilter(this); }

    bool Asked() const { return mAsked; }

    bool eventFilter(QObject* object, QEvent* event) override {
        auto* dialog = qobject_cast<QDialog*>(object);
        if (event->type() != QEvent::Show || dialog == nullptr || !dialog->isModal()) {
            return false;
        }
        mAsked = true;
        const auto* box = qobject_cast<QMessageBox*>(dialog);
        ReportError(box != nullptr ? box->text() : dialog->windowTitle());
        QMetaObject::invokeMethod(
            dialog,
            [closing = QPointer<QDialog>(dialog)] {
                if (closing != nullptr) {
                    closing->done(QDialog::Rejected);
                }
            },
            Qt::QueuedConnection);
        return false;
    }

private:
    bool mAsked = false;
};

// The program's first question at start-up, when its settings file cannot be read, fails a
// render as any other question does, though only the prediction windows read the file.
bool SettingsAreReadable(const std::filesystem::path& file) {
    PredictionOptions options;
    try {
        ReadInitFile(file, options);
    } catch (const InitFileError& error) {
        ReportError(QString::fromUtf8(error.what()));
        return false;
    }
    return true;
}

// The window named by its name or by its menu caption without the access key (「4分割傾向分析」
// for 分割4傾向分析), as the command line's show takes them; an unknown text stays as it is.
QString WindowNameOf(const QString& text) {
    static const QRegularExpression accessKey(QStringLiteral("\\(&.\\)$"));
    for (const MainMenuItem& item : MainMenuItems()) {
        if (item.window != nullptr && QString::fromUtf8(item.caption).remove(accessKey) == text) {
            return QString::fromUtf8(item.window);
        }
    }
    return text;
}

}  // namespace

int SaveWindowPicture(const CommandLine& line) {
    QuestionRefuser refuser;
    if (!SettingsAreReadable(line.settingsFile)) {
        return 1;
    }
    MainWindowOptions options{line.historyFile, line.settingsFile, ReadHistoryOrReport};
    options.recordsPredictions = false;
    options.opensPredictionFirst = false;
    MainWindow main(std::move(options));
    if (!main.Load() || refuser.Asked()) {
        return 1;
    }
    // Shown and active as on screen, so that the window asked for has the focus, but painted only
    // once, by the grab.
    main.setUpdatesEnabled(false);
    main.show();
    QCoreApplication::processEvents();
    QWidget* window = main.ChooseWindow(WindowNameOf(line.renderName));
    if (refuser.Asked()) {
        return 1;
    }
    if (window == nullptr) {
        ReportError(
            QStringLiteral("「%1」という名前のウィンドウはありません。").arg(line.renderName));
        return 2;
    }
    QCoreApplication::processEvents();
    if (refuser.Asked()) {
        return 1;
    }
    main.setUpdatesEnabled(true);
    const QByteArray png = EncodePngQuickly(window->grab().toImage());
    if (png.isEmpty()) {
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
