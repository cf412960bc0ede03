#pragma once
#include <QWidget>
#include "grid/grid.h"
