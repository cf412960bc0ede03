#include <gtest/gtest.h>

#include <QMdiSubWindow>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>

#include "../core/filebytes.h"
#include "mainwindowfixture.h"
#include "modalanswerer.h"

namespace pirumo::test {
namespace {

class PrintPreviewTest : public MainWindowTest {
protected:
    struct Preview {
        QString title;
        int pages = 0;
    };

    // Clicks the window's 印刷 and reads the preview that opens before closing it.
    std::vector<Preview> ClickPrint(QMdiSubWindow& window) {
        std::vector<Preview> previews;
        auto* print = window.findChild<QPushButton*>(QStringLiteral("printButton"));
        EXPECT_NE(print, nullptr);
        if (print == nullptr) {
            return previews;
        }
        ModalAnswerer answerer({[&previews](QWidget& dialog) {
            Preview preview;
            preview.title = dialog.windowTitle();
            if (auto* pages = dialog.findChild<QPrintPreviewWidget*>()) {
                preview.pages = pages->pageCount();
            }
            previews.push_back(preview);
            qobject_cast<QDialog*>(&dialog)->reject();
        }});
        print->click();
        EXPECT_EQ(answerer.Seen().size(), 1u);
        if (!answerer.Seen().empty()) {
            EXPECT_EQ(answerer.Seen()[0].className, QStringLiteral("QPrintPreviewDialog"));
        }
        return previews;
    }
};

TEST_F(PrintPreviewTest, EveryPrintButtonOpensThePreviewOfItsWindow) {
    WriteHistory(PatternDraws(150));
    Start();
    // The windows that have a 印刷 button, by their menu items.
    const std::vector<const char*> menus{
        "openAppearanceByCountAction", "openAppearanceIntervalAction", "openNumberGapAction",
        "openAppearanceCountAction",   "openDispersionAction",         "openConsecutiveAction",
        "openNumberSumAction",         "openLowHighPatternAction",     "openEvenOddPatternAction",
        "openFourGroupAction",         "openLastDigitAction",          "openLastDigitRunAction",
        "openPredictionAction",
    };
    for (const char* menu : menus) {
        SCOPED_TRACE(menu);
        QMdiSubWindow* window = ChooseWindow(menu);
        ASSERT_NE(window, nullptr);
        const std::vector<Preview> previews = ClickPrint(*window);
        ASSERT_EQ(previews.size(), 1u);
        EXPECT_EQ(previews[0].title, window->windowTitle() + QStringLiteral(" - 印刷プレビュー"));
        EXPECT_GE(previews[0].pages, 1);
        window->close();
        FlushDeletes();
    }
}

TEST_F(PrintPreviewTest, PagesFollowThePaperChosenInThePreview) {
    WriteHistory(PatternDraws(300));
    Start();
    QMdiSubWindow* window = ChooseWindow("openAppearanceCountAction");
    ASSERT_NE(window, nullptr);
    std::vector<int> pageCounts;
    ModalAnswerer answerer({[&pageCounts](QWidget& dialog) {
        auto* preview = dialog.findChild<QPrintPreviewWidget*>();
        QPrinter* printer = qobject_cast<QPrintPreviewDialog*>(&dialog)->printer();
        pageCounts.push_back(preview->pageCount());
        printer->setPageSize(QPageSize(QPageSize::A5));
        preview->updatePreview();
        pageCounts.push_back(preview->pageCount());
        qobject_cast<QDialog*>(&dialog)->reject();
    }});
    window->findChild<QPushButton*>(QStringLiteral("printButton"))->click();
    ASSERT_EQ(pageCounts.size(), 2u);
    EXPECT_GE(pageCounts[0], 2) << "300 draws do not fit one A4 page";
    EXPECT_GT(pageCounts[1], pageCounts[0]) << "A5 holds fewer rows a page";
}

// Saving the PDF over the history or its backup, by any name, is refused before the file opens.
TEST_F(PrintPreviewTest, APdfIsNeverSavedOverTheHistory) {
    WriteHistory(PatternDraws(40));
    Start();
    const std::string history = ReadFileBytes(HistoryPath());
    const std::filesystem::path link = mFolder.Path() / "link.pdf";
    std::filesystem::create_symlink(HistoryPath().string() + ".bak", link);
    const std::filesystem::path fine = mFolder.Path() / "fine.pdf";
    QMdiSubWindow* window = ChooseWindow("openAppearanceCountAction");
    ASSERT_NE(window, nullptr);
    for (const std::filesystem::path& out : {HistoryPath(), link, fine}) {
        SCOPED_TRACE(out.string());
        std::vector<ModalAnswerer::Dialog> refusals;
        ModalAnswerer answerer({[&out, &refusals](QWidget& dialog) {
            QPrinter* printer = qobject_cast<QPrintPreviewDialog*>(&dialog)->printer();
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(QString::fromStdU16String(out.u16string()));
            // A timer does not fire inside its own slot: another answers the nested refusal.
            ModalAnswerer inner;
            dialog.findChild<QPrintPreviewWidget*>()->print();
            refusals = inner.Seen();
            qobject_cast<QDialog*>(&dialog)->reject();
        }});
        window->findChild<QPushButton*>(QStringLiteral("printButton"))->click();
        ASSERT_EQ(refusals.size(), out == fine ? 0u : 1u);
        if (!refusals.empty()) {
            EXPECT_TRUE(refusals[0].text.contains(QStringLiteral("当選データのファイル")))
                << refusals[0].text.toStdString();
        }
    }
    EXPECT_EQ(ReadFileBytes(HistoryPath()), history);
    EXPECT_FALSE(std::filesystem::exists(HistoryPath().string() + ".bak"));
    EXPECT_EQ(ReadFileBytes(fine).rfind("%PDF", 0), 0u);
}

}  // namespace
}  // namespace pirumo::test
