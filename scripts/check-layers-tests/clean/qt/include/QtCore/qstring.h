#pragma once
#include "qglobal.h"
