#pragma once
#include "../base/text.h"
#include "base/../app/mainfrm.h"
