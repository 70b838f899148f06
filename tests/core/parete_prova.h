#pragma once
// Walls and report helpers shared by the calculation tests.

#include <string>
#include <string_view>
#include <vector>

#include "core/model/camera_aria.h"
#include "core/model/caselle_visibili.h"
#include "core/model/esercizio.h"

namespace paretix::prova {

// A wall with one letter per layer ("M" material, "A" air cavity), every material 10 cm thick
// with conductivity 0,5, permeability 10 and density 500, cavities 5 cm thick, and the boxes
// shown as the schema shows them.
inline Esercizio Parete(std::string_view tipi, bool termico = true, bool igrometrico = false,
                        bool acustico = false) {
    Esercizio e;
    e.Termico = termico;
    e.Igrometrico = igrometrico;
    e.Acustico = acustico;
    e.TInterna = "20";
    e.TEsterna = "0";
    e.Strati.assign(tipi.size(), Strato{});
    for (std::size_t i = 0; i < tipi.size(); ++i) {
        Strato& s = e.Strati[i];
        s.Spessore.Testo = "10";
        s.Conduttività.Testo = "0,5";
        s.Permeabilità.Testo = "10";
        s.Densità.Testo = "500";
    }
    for (std::size_t i = 0; i < tipi.size(); ++i) {
        if (tipi[i] == 'A') {
            CameraAria1(e, static_cast<int>(i) + 1);
            e.Strati[i].Spessore.Testo = "5";
        }
    }
    AggiornaCaselleVisibili(e, false);
    return e;
}

// The lines of a report; every line must end with CR LF.
inline std::vector<std::string> Righe(const std::string& testo) {
    std::vector<std::string> righe;
    std::size_t inizio = 0;
    while (inizio < testo.size()) {
        const std::size_t fine = testo.find("\r\n", inizio);
        if (fine == std::string::npos) {
            righe.push_back(testo.substr(inizio) + "<senza CR LF>");
            break;
        }
        righe.push_back(testo.substr(inizio, fine - inizio));
        inizio = fine + 2;
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
