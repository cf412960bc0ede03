#pragma once
#include <QWidget>
#include "grid/grid.h"
#include "widgets/gridview.h"
