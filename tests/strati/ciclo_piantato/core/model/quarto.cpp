#include "core/model/primo.h"
