#pragma once
#include "base/text.h"
