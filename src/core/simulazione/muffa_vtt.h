#pragma once
// The mould growth index M of the VTT model, hour by hour, from the temperature and the
// relative humidity at a surface: A. Hukka, H. Viitanen, "A mathematical model of mould growth
// on wooden material", Wood Science and Technology 33 (1999) 475–485, with the sensitivity
// classes of T. Ojanen, H. Viitanen, R. Peuhkuri, K. Lähdesmäki, J. Vinha, K. Salminen, "Mold
// growth modeling of building structures using sensitivity classes of materials", Thermal
// Performance of the Exterior Envelopes of Whole Buildings XI, ASHRAE 2010.
//
// M runs from 0 (no growth) to 6 (heavy growth); 1 is the first growth seen under the
// microscope, 3 the first seen by eye. Where conditions favour growth (φ at least the critical
// humidity, 0 < θ < 50 °C) M grows at
//     dM/dt = k1·k2 / (7·exp(−0,68·ln θ − 13,9·ln RH + 66,02))   per day (θ °C, RH %),
// the model's pine sapwood (W = 0) with a resawn surface (SQ = 0), scaled by the class's k1;
// k2 = max(1 − exp(2,3·(M − Mmax)), 0) slows it near the largest index the conditions allow.
// Elsewhere M declines, by 0,00133 per hour in the first 6 hours, not at all up to 24 hours
// and by 0,000667 per hour after that, times the material's decline coefficient.

#include <array>
#include <optional>
#include <string_view>

namespace paretix {

enum class SensibilitàMuffa { MoltoSensibile, Sensibile, Media, Resistente };

// The texts of the key, in the order of the classes.
inline constexpr std::array<std::string_view, 4> TestiSensibilità{"molto-sensibile", "sensibile",
                                                                  "media", "resistente"};
std::optional<SensibilitàMuffa> LeggiSensibilità(std::string_view testo);

// The critical relative humidity (%) at θ °C: the published curve for θ ≤ 20 °C, never below
// the class's RHmin, which holds above 20 °C.
double UmiditàCritica(SensibilitàMuffa classe, double θ);

// The largest index the conditions allow, Mmax = A + B·r − C·r² with
// r = (RHcrit − RH)/(RHcrit − 100).
double IndiceMassimo(SensibilitàMuffa classe, double θ, double RH);

// The decline coefficient of every material: the published classes fix how mould grows, not
// how it recedes, so the program takes the slowest decline of the model (0,1, "almost no
// decline"), the safe side for a verdict on the largest index.
inline constexpr double CoefficienteRegressione = 0.1;

// The state of one surface: its index and the hours since conditions stopped favouring growth.
class IndiceMuffa {
  public:
    explicit IndiceMuffa(SensibilitàMuffa classe) : classe_(classe) {}
    // One hour at θ (°C) and φ (0…1).
    void Ora(double θ, double φ);
    double M() const { return M_; }
    double Massimo() const { return massimo_; }

  private:
    SensibilitàMuffa classe_;
    double M_ = 0;
    double massimo_ = 0;
    double oreSfavorevoli_ = 0;
};

} // namespace paretix
