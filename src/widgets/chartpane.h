#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "chart/chart.h"

class QLabel;
class QVBoxLayout;

namespace pirumo {

// Where a window shows charts. The charts module (Qt Charts) is loaded when the pane is first on
// screen with charts to show, and the charts are made only then: a window whose chart tab is
// never opened costs nothing. When the module cannot be loaded the pane says so instead.
class ChartPane : public QWidget {
    Q_OBJECT

public:
    explicit ChartPane(QWidget* parent = nullptr);

    // The charts to show, made now if the pane is on screen, else when it is next shown.
    void Show(std::function<std::vector<Chart>()> make);
    void Show(std::vector<Chart> charts);

    // What the pane shows or last showed; makes the charts if they are still to be made.
    const std::vector<Chart>& Charts();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Draw();

    std::function<std::vector<Chart>()> mMake;
    std::vector<Chart> mCharts;
    bool mMade = true;   // mCharts are those mMake makes
    bool mDrawn = true;  // the view shows mCharts
    QVBoxLayout* mLayout = nullptr;
    QWidget* mView = nullptr;
    QLabel* mFailure = nullptr;
};

}  // namespace pirumo
