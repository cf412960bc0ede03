#include "analyses/ui/chanceview.h"

#include <QVBoxLayout>

#include "analyses/chance/chancegrid.h"
#include "widgets/gridview.h"

namespace pirumo {

ChanceView::ChanceView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("chanceView"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    mGridView = new GridView(this);
    mGridView->setObjectName(QStringLiteral("chanceGridView"));
    // The test, its verdict and the reminder stay in view while the figures scroll.
    mGridView->SetFrozenRows(kChanceGridHeadingRows);
    layout->addWidget(mGridView);
}

// The grid view goes before the grid it shows.
ChanceView::~ChanceView() {
    delete mGridView;
}

void ChanceView::Show(const ChanceReport& report) {
    mGrid = ResultGrid();
    FillChanceGrid(report, mGrid);
    mGridView->SetGrid(mGrid);
    mGridView->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mGridView->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

}  // namespace pirumo
