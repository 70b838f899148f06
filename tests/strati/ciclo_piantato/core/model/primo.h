#pragma once
#include "core/model/secondo.h"
