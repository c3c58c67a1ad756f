#include "teststrips.h"
