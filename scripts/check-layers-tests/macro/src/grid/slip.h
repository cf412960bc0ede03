#pragma once
#define SLIP "app/mainfrm.h"
#include SLIP
