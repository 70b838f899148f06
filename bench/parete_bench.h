#pragma once
// The largest wall of the benchmarks: 15 layers with three air cavities, all three calculations.

#include "core/model/camera_aria.h"
#include "core/model/caselle_visibili.h"
#include "core/model/esercizio.h"

namespace paretix::bench {

inline Esercizio PareteCompleta() {
    Esercizio e;
    e.Acustico = true;
    e.TInterna = "20";
    e.TEsterna = "-5";
    e.UInterna = "65";
    e.UEsterna = "80";
    e.DistSonoro = "70";
    const char* densità[] = {"1800", "900", "1200", "600", "2400", "2300", "40"};
    const char* conduttività[] = {"0,9", "0,25", "0,7", "0,15", "1,9", "2,1", "0,035"};
    const char* permeabilità[] = {"18", "25", "12", "30", "4", "3,5", "150"};
    e.Strati.assign(NumeroStratiMax, Strato{});
    for (int k = 1; k <= NumeroStratiMax; ++k) {
        Strato& s = e.strato(k);
        const std::size_t i = static_cast<std::size_t>(k) % 7;
        s.Spessore.Testo = k % 2 ? "12" : "2,5";
        s.Densità.Testo = densità[i];
        s.Conduttività.Testo = conduttività[i];
        s.Permeabilità.Testo = permeabilità[i];
    }
    for (int k : {3, 7, 11}) {
        CameraAria1(e, k);
        e.strato(k).Spessore.Testo = "4";
    }
    // Cavity 3 between factors, cavity 7 beside a dash (still-air table), cavity 11 between
    // factors.
    e.strato(2).FatAssorbimento.Testo = "0,9";
    e.strato(4).FatAssorbimento.Testo = "0,85";
    e.strato(6).FatAssorbimento.Testo = "-";
    e.strato(8).FatAssorbimento.Testo = "0,9";
    e.strato(10).FatAssorbimento.Testo = "0,6";
    e.strato(12).FatAssorbimento.Testo = "0,93";
    AggiornaCaselleVisibili(e, false);
    return e;
}

// The same wall with the compliance checks on, every datum given: an unheated space (U·btr),
// above the limit (so the remedy is computed too), a façade of category A.
inline Esercizio PareteConVerifiche() {
    Esercizio e = PareteCompleta();
    DatiVerifiche& d = e.Verifiche;
    d.Attive = true;
    d.Zona = ZonaClimatica::E;
    d.Regime = RegimeVerifica::Riqualificazione2021;
    d.Elemento = ElementoParete::NonClimatizzato;
    d.Btr = "0,8";
    d.Categoria = CategoriaEdificio::A;
    d.Esposizione = Orientamento::S;
    d.Irradianza290 = true;
    e.strato(1).Intonaco = true;
    // Every specific heat given, so that the periodic characteristics are computed too.
    for (int k = 1; k <= NumeroStratiMax; ++k) {
        e.strato(k).CaloreSpecifico = k % 3 ? "1000" : "1450";
    }
    return e;
}

// The same with the monthly hygrothermal check too: a year of a cold Northern Italian site (an
// example, not official data) and the inside humidity class 3.
inline Esercizio PareteConTutteLeVerifiche() {
    Esercizio e = PareteConVerifiche();
    const char* mesi[12][2] = {{"0,4", "86"},  {"2,4", "78"},  {"7,1", "71"},  {"11,6", "71"},
                               {"16", "70"},   {"20,5", "69"}, {"22,9", "67"}, {"22,5", "69"},
                               {"18,4", "73"}, {"12,8", "80"}, {"6,9", "85"},  {"2", "87"}};
    for (std::size_t m = 0; m < 12; ++m) {
        e.Verifiche.ClimaEsterno[m] = {mesi[m][0], mesi[m][1]};
    }
    e.Verifiche.ClasseUmidità = 3;
    return e;
}

} // namespace paretix::bench
