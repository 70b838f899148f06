#pragma once
// The tool tip of a layer's rectangle on the schema: what the layer is made of.

#include <string>

#include "core/model/esercizio.h"

namespace paretix {

inline std::string SuggerimentoStrato(const Strato& s) {
    return s.CameraAria() ? MaterialeCameraAria : s.Materiale;
}

} // namespace paretix
