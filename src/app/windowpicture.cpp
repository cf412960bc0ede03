#include "app/windowpicture.h"

#include <QApplication>
#include <QBuffer>
#include <QDialog>
#include <QImage>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPixmap>
#include <QPointer>
#include <QRegularExpression>
#include <cstdio>

#include "app/mainmenu.h"
#include "app/mainwindow.h"
#include "base/fileerror.h"
#include "base/outputfile.h"
#include "history/store/historyfile.h"
#include "prediction/predictiontexts.h"

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

// The window the menus open on top of the prediction window, as the user sees it after closing
// that window: the prediction window also refuses manual entry while it is open.
void ClosePredictionWindowUnlessRendered(MainWindow& main, const QString& name) {
    const QString prediction =
        QString::fromUtf8(prediction_text::kWindowName.data(),
                          static_cast<qsizetype>(prediction_text::kWindowName.size()));
    if (name == prediction) {
        return;
    }
    if (auto* window = main.findChild<QMdiSubWindow*>(prediction)) {
        window->close();
    }
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
    MainWindowOptions options{line.historyFile, line.settingsFile, ReadHistoryOrReport};
    options.recordsPredictions = false;
    MainWindow main(std::move(options));
    if (!main.Load() || refuser.Asked()) {
        return 1;
    }
    main.show();
    QCoreApplication::processEvents();
    const QString name = WindowNameOf(line.renderName);
    ClosePredictionWindowUnlessRendered(main, name);
    QWidget* window = main.ChooseWindow(name);
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
