#pragma once

#include <QWidget>

#include "analyses/chance/chancereport.h"
#include "grid/resultgrid.h"

namespace pirumo {

class GridView;

// The 偶然との比較 panel of an analysis window: the report's grid (the overall test and the
// reminder kept in view on top, then each table of figures, those outside their range marked).
class ChanceView : public QWidget {
    Q_OBJECT

public:
    explicit ChanceView(QWidget* parent = nullptr);
    ~ChanceView() override;

    void Show(const ChanceReport& report);

    const ResultGrid& Grid() const { return mGrid; }

private:
    ResultGrid mGrid;
    GridView* mGridView = nullptr;
};

}  // namespace pirumo
