#pragma once
#include "grid/grid.h"
#include "app/mainfrm.h"
