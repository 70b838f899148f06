#include "core/model/limiti_clima.h"

namespace paretix {

namespace {

constexpr std::size_t CaratteriCitati = 40;

bool Continuazione(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

bool TemperaturaClimaAmmessa(double θ) {
    return θ >= TemperaturaClimaMinima && θ <= TemperaturaClimaMassima;
}

bool UmiditàClimaAmmessa(double φ) {
    return φ >= 0 && φ <= UmiditàClimaMassima;
}

std::string CampoCitato(std::string_view testo) {
    // Characters, not bytes: a UTF-8 character is never cut in two.
    std::size_t caratteri = 0;
    for (std::size_t i = 0; i < testo.size(); ++i) {
        if (!Continuazione(testo[i]) && caratteri++ == CaratteriCitati) {
            return "\"" + std::string(testo.substr(0, i)) + "…\"";
        }
    }
    return "\"" + std::string(testo) + "\"";
}

std::string TemperaturaFuoriCampo(std::string_view testo) {
    return "temperatura " + CampoCitato(testo) + " fuori campo (attesa da -70 a 70 °C)";
}

std::string UmiditàFuoriCampo(std::string_view testo) {
    return "umidità relativa " + CampoCitato(testo) + " fuori campo (attesa da 0 a 100 %)";
}

} // namespace paretix
