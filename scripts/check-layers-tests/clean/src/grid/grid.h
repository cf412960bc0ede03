#pragma once
#include "base/text.h"
int gridCells();
