// Any bytes as a climate input: an EPW file, a pasted table or clima.txt. No reader may crash;
// an accepted year holds temperatures from -70 to 70 °C and humidities from 0 to 100 %, and
// the monthly hygrothermal check of a wall in that climate has only finite numbers; an accepted
// library rewrites to a file that reads back to what it holds and rewrites to the same bytes.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/files/clima_epw.h"
#include "core/files/clima_incollato.h"
#include "core/files/libreria_clima.h"
#include "core/model/caselle_visibili.h"
#include "core/model/limiti_clima.h"
#include "core/model/numeri.h"
#include "core/verifiche/calcola_verifiche.h"
#include "core/verifiche/verifiche_finite.h"

namespace {

void Verifica(bool condizione) {
    if (!condizione) {
        std::abort();
    }
}

// Two layers of 10 cm (λ 0,5, δ 10, ρ 500), 20 °C and 50 % inside, with the thermal and
// hygrometric calculations and the monthly check in the climate anno, humidity class 3.
paretix::Esercizio PareteNelClima(const paretix::ClimaAnno& anno) {
    using namespace paretix;
    Esercizio e;
    e.Igrometrico = true;
    e.TInterna = "20";
    e.UInterna = "50";
    e.UEsterna = "80";
    e.Strati.assign(2, Strato{});
    for (Strato& s : e.Strati) {
        s.Spessore.Testo = "10";
        s.Conduttività.Testo = "0,5";
        s.Permeabilità.Testo = "10";
        s.Densità.Testo = "500";
    }
    AggiornaCaselleVisibili(e, false);
    e.Verifiche.Attive = true;
    e.Verifiche.ClasseUmidità = 3;
    for (std::size_t m = 0; m < anno.size(); ++m) {
        e.Verifiche.ClimaEsterno[m] = {FormaGenerale(anno[m].Temperatura),
                                       FormaGenerale(anno[m].Umidità)};
    }
    return e;
}

void VerificaAnno(const paretix::ClimaAnno& anno) {
    using namespace paretix;
    for (const ClimaMese& mese : anno) {
        Verifica(TemperaturaClimaAmmessa(mese.Temperatura));
        Verifica(UmiditàClimaAmmessa(mese.Umidità));
    }
    Esercizio e = PareteNelClima(anno);
    RisultatiCalcolo r;
    std::string testo;
    std::optional<RisultatiVerifiche> verifiche;
    Verifica(CalcolaConVerifiche(e, r, testo, &verifiche).DatiValidi);
    Verifica(verifiche && verifiche->Igrometrica && verifiche->Igrometrica->Risultato);
    Verifica(!ControlloVerificheFinite(*verifiche));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t dimensione) {
    using namespace paretix;
    const std::string_view testo(reinterpret_cast<const char*>(dati), dimensione);
    ClimaAnno anno;
    int avanzamenti = 0;
    if (!LetturaEpw(testo, anno, [&](double) { ++avanzamenti; })) {
        VerificaAnno(anno);
    }
    Verifica(avanzamenti >= 2 && avanzamenti <= 101);
    if (!LetturaClimaIncollato(testo, anno)) {
        VerificaAnno(anno);
    }
    LibreriaClima libreria;
    if (!LetturaLibreriaClima(testo, libreria)) {
        for (const LocalitaClima& localita : libreria) {
            VerificaAnno(localita.Clima);
        }
        const auto scritto = ContenutoFileClima(libreria);
        Verifica(scritto.has_value());
        LibreriaClima riletta;
        Verifica(!LetturaLibreriaClima(*scritto, riletta));
        Verifica(riletta.size() == libreria.size());
        Verifica(ContenutoFileClima(riletta) == scritto);
    }
    return 0;
}
