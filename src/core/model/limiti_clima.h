#pragma once
// The climate the program accepts from every source (typed, pasted, a file, the library): the
// temperatures of any inhabited place and a relative humidity that is a percentage. A value
// outside them is a typing error, and a calculation over it would print nonsense.

#include <string>
#include <string_view>

namespace paretix {

inline constexpr double TemperaturaClimaMinima = -70; // °C
inline constexpr double TemperaturaClimaMassima = 70; // °C
inline constexpr double UmiditàClimaMassima = 100;    // %

bool TemperaturaClimaAmmessa(double θ);
bool UmiditàClimaAmmessa(double φ);

// A field quoted in a message: between quotes, cut after its first 40 characters, so that a
// field of a megabyte makes no message of a megabyte.
std::string CampoCitato(std::string_view testo);

// "temperatura "testo" fuori campo (attesa da -70 a 70 °C)" and its humidity counterpart.
std::string TemperaturaFuoriCampo(std::string_view testo);
std::string UmiditàFuoriCampo(std::string_view testo);

} // namespace paretix
