// A bare Qt program that does what the main window's first sight asks of a toolkit: read the
// bundled results and show them in one table. `--exit-when-shown` quits once the table has been
// painted, so that a whole process can be timed.
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QHeaderView>
#include <QStringList>
#include <QTableWidget>
#include <QTimer>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int kColumns = 13;

QStringList ReadRows(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QStringList rows = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    if (!rows.isEmpty()) {
        rows.removeFirst();  // the header
    }
    return rows;
}

// The draw's eight fields, then what a player looks at next: sum, odd and even count, lowest and
// highest number.
QStringList RowCells(const QString& line) {
    QStringList cells = line.trimmed().split(u',');
    cells.resize(8);
    int sum = 0;
    int odd = 0;
    int lowest = 99;
    int highest = 0;
    for (int i = 2; i < 7; ++i) {
        const int number = cells[i].toInt();
        sum += number;
        odd += number % 2;
        lowest = std::min(lowest, number);
        highest = std::max(highest, number);
    }
    cells << QString::number(sum) << QString::number(odd) << QString::number(5 - odd)
          << QString::number(lowest) << QString::number(highest);
    return cells;
}

class QuitAfterPaint : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 2) {
        std::fputs("usage: pirumo_minimal HISTORY.csv [--exit-when-shown]\n", stderr);
        return 2;
    }
    const QStringList rows = ReadRows(arguments[1]);
    if (rows.isEmpty()) {
        std::fputs("pirumo_minimal: no rows\n", stderr);
        return 1;
    }
    // Two rows under the draws, as a results table ends: totals and averages.
    QTableWidget table(static_cast<int>(rows.size()) + 2, kColumns);
    table.setHorizontalHeaderLabels(
        {QStringLiteral("回数"), QStringLiteral("日付"), QStringLiteral("第1数字"),
         QStringLiteral("第2数字"), QStringLiteral("第3数字"), QStringLiteral("第4数字"),
         QStringLiteral("第5数字"), QStringLiteral("ボーナス"), QStringLiteral("合計"),
         QStringLiteral("奇数"), QStringLiteral("偶数"), QStringLiteral("最小"),
         QStringLiteral("最大")});
    long long total = 0;
    for (int row = 0; row < rows.size(); ++row) {
        const QStringList cells = RowCells(rows[row]);
        for (int column = 0; column < kColumns; ++column) {
            table.setItem(row, column, new QTableWidgetItem(cells[column]));
        }
        total += cells[8].toInt();
    }
    const int last = static_cast<int>(rows.size());
    table.setItem(last, 0, new QTableWidgetItem(QStringLiteral("合計")));
    table.setItem(last, 8, new QTableWidgetItem(QString::number(total)));
    table.setItem(last + 1, 0, new QTableWidgetItem(QStringLiteral("平均")));
    table.setItem(last + 1, 8,
                  new QTableWidgetItem(QString::number(double(total) / rows.size(), 'f', 1)));
    table.setWindowTitle(QStringLiteral("当選データ"));
    table.resize(1200, 800);
    QuitAfterPaint quitter;
    if (arguments.contains(QStringLiteral("--exit-when-shown"))) {
        table.viewport()->installEventFilter(&quitter);
    }
    table.show();
    return QApplication::exec();
}
