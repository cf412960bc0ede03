#include "widgets/chartpane.h"

#include <QLabel>
#include <QVBoxLayout>

#include "module/chartmodule.h"
#include "module/moduleloader.h"

namespace pirumo {

ChartPane::ChartPane(QWidget* parent) : QWidget(parent) {
    mLayout = new QVBoxLayout(this);
    mLayout->setContentsMargins(0, 0, 0, 0);
}

void ChartPane::Show(std::function<std::vector<Chart>()> make) {
    mMake = std::move(make);
    mMade = false;
    mDrawn = false;
    if (isVisible()) {
        Draw();
    }
}

void ChartPane::Show(std::vector<Chart> charts) {
    Show([charts = std::move(charts)] { return charts; });
}

const std::vector<Chart>& ChartPane::Charts() {
    if (!mMade) {
        mCharts = mMake();
        mMade = true;
    }
    return mCharts;
}

void ChartPane::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!mDrawn) {
        Draw();
    }
}

void ChartPane::Draw() {
    Charts();
    mDrawn = true;
    if (mFailure != nullptr) {
        return;  // said once; the module will not appear while the program runs
    }
    QString error;
    ChartModule* module = LoadProgramModuleAs<ChartModule>(error);
    if (module == nullptr) {
        mFailure = new QLabel(QStringLiteral("グラフを表示できません。") + error, this);
        mFailure->setObjectName(QStringLiteral("chartFailureLabel"));
        mFailure->setWordWrap(true);
        mFailure->setAlignment(Qt::AlignCenter);
        mLayout->addWidget(mFailure);
        return;
    }
    if (mView == nullptr) {
        mView = module->NewView(this);
        mView->setObjectName(QStringLiteral("chartsView"));
        mLayout->addWidget(mView);
    }
    module->SetCharts(*mView, mCharts);
}

}  // namespace pirumo
