#pragma once
// A materials database of n rows for the browser's tests: materials "M0", "M1", ... with data.

#include <string>

#include "core/materials/voce_abaco.h"

namespace paretix::test {

inline Abaco Righe(int n) {
    Abaco a;
    for (int i = 0; i < n; ++i) {
        a.push_back({"M" + std::to_string(i), "1800", "0,72", "18,75", "0,9"});
    }
    return a;
}

} // namespace paretix::test
