#pragma once
// The program's colours, once each, in the platform's 0x00BBGGRR encoding: red in the low byte,
// then green, then blue. (The schema's layer rectangles are the one exception, drawn directly
// in 0xRRGGBB beside their rules.)

#include <cstdint>

namespace paretix {

using ColoreBGR = std::uint32_t;
constexpr ColoreBGR NeroBGR = 0x00000000;
constexpr ColoreBGR RossoBGR = 0x000000FF;
constexpr ColoreBGR RossoScuroBGR = 0x000000C0;
constexpr ColoreBGR VerdeScuroBGR = 0x00008000;
constexpr ColoreBGR VerdeBGR = 0x0000FF00;
constexpr ColoreBGR GialloBGR = 0x0000FFFF;
constexpr ColoreBGR BluScuroBGR = 0x00800000;
constexpr ColoreBGR MagentaBGR = 0x00FF00FF;
constexpr ColoreBGR CianoBGR = 0x00FFFF00;
constexpr ColoreBGR BiancoBGR = 0x00FFFFFF;
// A pale blue: the current row of the materials browser.
constexpr ColoreBGR AzzurroChiaroBGR = 0x00F5D8B0;

// A box stores its background as the platform's signed value, which can also name a system
// colour: the system window colour is 0x80000005, stored as -2147483643.
constexpr std::int32_t ColoreFinestra = -2147483643;
constexpr std::int32_t ColoreNero = NeroBGR;
constexpr std::int32_t ColoreRosso = RossoBGR;
constexpr std::int32_t ColoreGiallo = GialloBGR;
constexpr std::int32_t ColoreBianco = BiancoBGR;
constexpr std::int32_t ColoreSelezione = AzzurroChiaroBGR;

} // namespace paretix
