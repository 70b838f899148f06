#pragma once
#include "core/model/primo.h"
