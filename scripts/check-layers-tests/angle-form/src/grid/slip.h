#pragma once
#include <app/mainfrm.h>
