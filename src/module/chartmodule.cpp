#include "module/chartmodule.h"

#include "module/moduleloader.h"

namespace pirumo {

ChartModule* LoadChartModule(QString& error) {
    return LoadProgramModuleAs<ChartModule>(QStringLiteral("pirumo-charts"), error);
}

}  // namespace pirumo
