#include "core/model/secondo.h"
#include "core/model/terzo.h"
