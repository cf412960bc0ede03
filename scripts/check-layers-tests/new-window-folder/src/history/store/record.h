#pragma once
#include "grid/grid.h"
