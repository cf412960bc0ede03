#pragma once

#include <string>

#include "analyses/chance/chancereport.h"

namespace pirumo {

// The report as a JSON object: {"draws","tables":[{"title","unit","distribution","figures":
// [{"label","observed","expected","low","high","outside"}]}],"test":{"name","statistic",
// "degreesOfFreedom","pValue","performed","verdict"},"outside","expectedOutside","reminder"}.
std::string ChanceReportToJson(const ChanceReport& report);

}  // namespace pirumo
