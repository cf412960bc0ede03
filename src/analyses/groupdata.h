#pragma once

#include "analyses/analysis.h"

namespace pirumo {

// Window 分割6データ分析.
Analysis GroupData6Analysis();
// Window 分割7データ分析.
Analysis GroupData7Analysis();
// Window 分割10データ分析.
Analysis GroupData10Analysis();

}  // namespace pirumo
