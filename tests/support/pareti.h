#pragma once
// The walls the calculation and report tests are built on, and helpers to read a report.

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/camera_aria.h"
#include "core/model/caselle_visibili.h"
#include "core/model/esercizio.h"

namespace paretix::prova {

// One letter per layer ("M" material, "A" air cavity): materials 10 cm, conductivity 0,5,
// permeability 10, density 500; cavities 5 cm; Ti 20, Te 0; boxes shown as on the schema.
inline Esercizio Parete(std::string_view tipi, bool termico = true, bool igrometrico = false,
                        bool acustico = false) {
    Esercizio e;
    e.Termico = termico;
    e.Igrometrico = igrometrico;
    e.Acustico = acustico;
    e.TInterna = "20";
    e.Strati.assign(tipi.size(), Strato{});
    for (int k = 1; k <= e.NumeroStrati(); ++k) {
        e.strato(k).Spessore.Testo = "10";
        e.strato(k).Conduttività.Testo = "0,5";
        e.strato(k).Permeabilità.Testo = "10";
        e.strato(k).Densità.Testo = "500";
        if (tipi[static_cast<std::size_t>(k - 1)] == 'A') {
            CameraAria1(e, k);
            e.strato(k).Spessore.Testo = "5";
        }
    }
    AggiornaCaselleVisibili(e, false);
    return e;
}

// Layers of the given types ("M", "A") and nothing else: what the layer rules look at.
inline Esercizio SoloTipi(std::string_view tipi) {
    Esercizio e;
    e.Strati.assign(tipi.size(), Strato{});
    for (std::size_t i = 0; i < tipi.size(); ++i) {
        e.Strati[i].TipoStrato = std::string(1, tipi[i]);
    }
    return e;
}

// The lines of a report, each of which ends with CR LF.
inline std::vector<std::string> Righe(std::string_view testo) {
    std::vector<std::string> righe;
    for (std::size_t fine; (fine = testo.find("\r\n")) != std::string_view::npos;) {
        righe.emplace_back(testo.substr(0, fine));
        testo.remove_prefix(fine + 2);
    }
    if (!testo.empty()) {
        righe.emplace_back("senza CR LF: " + std::string(testo));
    }
    return righe;
}

// The first line that starts with inizio ("" when there is none).
inline std::string RigaCheInizia(const std::string& testo, std::string_view inizio) {
    for (const std::string& riga : Righe(testo)) {
        if (riga.starts_with(inizio)) {
            return riga;
        }
    }
    return "";
}

// Two walls with every calculation type, 20 °C and 65 % inside, -5 °C and 85 % outside,
// 100 dB: plaster, mineral wool and concrete, which condenses behind the insulation, and the
// same layers insulated outside, which does not.

// Thickness, density, conductivity and permeability of each layer, inside first.
inline Esercizio PareteEsempio(std::initializer_list<std::array<const char*, 4>> strati) {
    Esercizio e;
    e.Termico = e.Igrometrico = e.Acustico = true;
    e.TInterna = "20";
    e.TEsterna = "-5";
    e.UInterna = "65";
    e.UEsterna = "85";
    e.DistSonoro = "100";
    e.Strati.clear();
    for (const auto& [spessore, densità, conduttività, permeabilità] : strati) {
        Strato& s = e.Strati.emplace_back();
        s.Spessore.Testo = spessore;
        s.Densità.Testo = densità;
        s.Conduttività.Testo = conduttività;
        s.Permeabilità.Testo = permeabilità;
    }
    AggiornaCaselleVisibili(e, false);
    return e;
}

constexpr std::array<const char*, 4> Intonaco{"2", "1400", "0,7", "18"};
constexpr std::array<const char*, 4> LanaMinerale{"8", "40", "0,04", "150"};
constexpr std::array<const char*, 4> Calcestruzzo{"20", "2400", "1,9", "3"};

inline Esercizio PareteIsolataDentro() {
    return PareteEsempio({Intonaco, LanaMinerale, Calcestruzzo});
}

inline Esercizio PareteIsolataFuori() {
    return PareteEsempio({Intonaco, Calcestruzzo, LanaMinerale, {"1", "1400", "0,7", "18"}});
}

} // namespace paretix::prova
