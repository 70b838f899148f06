#pragma once
// The program's colours are in the platform's 0x00BBGGRR encoding: red in the low byte, then
// green, then blue.

#include <QColor>
#include <cstdint>

namespace paretix {

inline QColor ColoreQt(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

} // namespace paretix
