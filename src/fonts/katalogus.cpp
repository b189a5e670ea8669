#include "fonts/katalogus.h"
