#pragma once
// Walls and report helpers shared by the calculation tests.

#include <string>
#include <string_view>
#include <vector>

#include "core/model/camera_aria.h"
#include "core/model/caselle_visibili.h"

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

} // namespace paretix::prova
