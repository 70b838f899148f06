#pragma once
// The wall of the compliance-check tests and the numbers worked for it by hand.
//
// Layer 1: 25 cm, λ 0,5, ρ 800; layer 2: 5 cm, λ 0,04, ρ 40; hi 7, he 24.
// R = 1/7 + 0,25/0,5 + 0,05/0,04 + 1/24 = 24/168 + 0,5 + 1,25 + 7/168 = 325/168 m²K/W,
// U = 168/325 = 0,51692 W/m²K.
// Surface mass: 800·0,25 + 40·0,05 = 200 + 2 = 202 kg/m².

#include <gtest/gtest.h>

#include <string>

#include "core/calc/calcolo.h"
#include "core/verifiche/calcola_verifiche.h"
#include "support/pareti.h"

namespace paretix::prova {

inline Esercizio PareteVerifiche(bool acustico = false) {
    Esercizio e = Parete("MM", true, false, acustico);
    e.strato(1).Spessore.Testo = "25";
    e.strato(1).Densità.Testo = "800";
    e.strato(2).Spessore.Testo = "5";
    e.strato(2).Conduttività.Testo = "0,04";
    e.strato(2).Densità.Testo = "40";
    e.Verifiche.Attive = true;
    e.Verifiche.Elemento = ElementoParete::Esterno;
    e.Verifiche.Zona = ZonaClimatica::E;
    e.Verifiche.Regime = RegimeVerifica::Riqualificazione2021;
    e.Verifiche.Categoria = CategoriaEdificio::A;
    return e;
}

inline constexpr double UPareteVerifiche = 168.0 / 325.0;

// The results of the Calculate command on e.
inline RisultatiCalcolo Calcola(Esercizio& e, std::string* testo = nullptr) {
    RisultatiCalcolo r;
    std::string scarto;
    const EsitoCalcola esito = CalcolaConVerifiche(e, r, testo ? *testo : scarto);
    EXPECT_TRUE(esito.DatiValidi) << esito.Messaggio;
    return r;
}

} // namespace paretix::prova
