#include "prediction/ui/ticketresultspanel.h"

#include <QDockWidget>
#include <QListWidget>
#include <QMainWindow>

#include "history/historyerror.h"
#include "history/store/tickettable.h"
#include "prediction/tickets/ticketcheck.h"

namespace pirumo {

namespace {

QDockWidget& ResultPanel(QMainWindow& window) {
    if (auto* dock = window.findChild<QDockWidget*>(QStringLiteral("ticketResultsPanel"))) {
        return *dock;
    }
    auto* dock = new QDockWidget(QStringLiteral("あなたの数字の当せん確認"), &window);
    dock->setObjectName(QStringLiteral("ticketResultsPanel"));
    dock->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    auto* list = new QListWidget(dock);
    list->setObjectName(QStringLiteral("ticketResultLines"));
    dock->setWidget(list);
    window.addDockWidget(Qt::BottomDockWidgetArea, dock);
    return *dock;
}

}  // namespace

void ShowTicketResults(QMainWindow& window, const std::filesystem::path& historyFile,
                       const std::vector<Draw>& newDraws) {
    if (newDraws.empty()) {
        return;
    }
    std::vector<std::string> lines;
    try {
        lines = NewestTicketResultLines(TicketResultLines(ReadSavedTickets(historyFile), newDraws));
    } catch (const HistoryError& error) {
        lines = {std::string("購入した数字を確かめられません。") + error.what()};
    }
    if (lines.empty()) {
        return;
    }
    QDockWidget& dock = ResultPanel(window);
    auto* list = qobject_cast<QListWidget*>(dock.widget());
    for (const std::string& line : lines) {
        list->addItem(QString::fromStdString(line));
    }
    list->scrollToBottom();
    dock.show();
    dock.raise();
}

}  // namespace pirumo
