#pragma once
#include <QWidget>
#include "widgets/gridview.h"
