#include "app/mainfrm.h"
