#include <QLabel>

#include "analyses/analysiscatalog.h"
#include "analyses/ui/analysiswindow.h"
#include "history/store/samplehistory.h"
#include "mainwindowfixture.h"
#include "testwindowhost.h"
#include "widgets/gridview.h"

namespace pirumo::test {
namespace {

// Whether the label shows its whole text in its geometry.
bool ShowsWholeText(const QLabel& label) {
    if (label.wordWrap()) {
        return label.heightForWidth(label.width()) <= label.height();
    }
    return label.sizeHint().width() <= label.width();
}

// In every analysis window the description and the legend show their whole text at 8 points or
// more, inside the window, above the grid, and no two of them touch; the grid is whole or scrolls.
TEST(WindowLabelsTest, DescriptionsAndLegendsAreWholeAndApart) {
    TestWindowHost host(DrawHistory(MakeSampleHistory(1000, 3)));  // every grid needs scrolling
    for (const Analysis& description : Analyses()) {
        SCOPED_TRACE(description.name);
        AnalysisWindow* window = &host.Add(new AnalysisWindow(description, host));
        window->Load();
        window->show();

        const QWidget* client = window->findChild<QWidget*>(QStringLiteral("client"));
        // The summary and the legend: the frame's labels.
        const QList<QLabel*> labels = client->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
        EXPECT_EQ(labels.size(), static_cast<qsizetype>(
                                     AnalysisWindowLayoutOf(description.name).legend.size() + 1));
        const GridView* grid = window->findChild<GridView*>(QStringLiteral("gridView"));
        for (qsizetype i = 0; i < labels.size(); ++i) {
            const QLabel& label = *labels[i];
            const std::string name = label.objectName().toStdString();
            EXPECT_GE(label.font().pointSizeF(), 8.0) << name;
            if (!label.text().isEmpty()) {
                EXPECT_TRUE(ShowsWholeText(label))
                    << name << " cut: " << label.text().toStdString();
            }
            EXPECT_TRUE(client->rect().contains(label.geometry())) << name << " leaves the window";
            EXPECT_LT(label.geometry().bottom(), grid->geometry().top()) << name;
            for (qsizetype j = i + 1; j < labels.size(); ++j) {
                // One pixel around each keeps texts, balls and swatches from touching.
                EXPECT_FALSE(
                    label.geometry().adjusted(-1, -1, 1, 1).intersects(labels[j]->geometry()))
                    << name << " touches " << labels[j]->objectName().toStdString();
            }
        }
        // The grid shows all of itself or scrolls; nothing leaves the window.
        EXPECT_TRUE(grid->height() >= grid->sizeHint().height() ||
                    grid->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff);
        EXPECT_TRUE(grid->width() >= grid->sizeHint().width() ||
                    grid->horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff);
        for (const QWidget* child : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            EXPECT_TRUE(client->rect().contains(child->geometry()))
                << child->objectName().toStdString() << " leaves the window";
        }
        window->close();
        FlushDeletes();
    }
}

}  // namespace
}  // namespace pirumo::test
