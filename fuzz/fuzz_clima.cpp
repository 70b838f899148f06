// Any bytes as a climate input: an EPW file, a pasted table or clima.txt. No reader may crash;
// an accepted year holds finite temperatures and humidities from 0 to 100 %; an accepted
// library rewrites to a file that reads back to what it holds and rewrites to the same bytes.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/files/clima_epw.h"
#include "core/files/clima_incollato.h"
#include "core/files/libreria_clima.h"

namespace {

void Verifica(bool condizione) {
    if (!condizione) {
        std::abort();
    }
}

void VerificaAnno(const paretix::ClimaAnno& anno) {
    for (const paretix::ClimaMese& mese : anno) {
        Verifica(std::isfinite(mese.Temperatura));
        Verifica(mese.Umidità >= 0 && mese.Umidità <= 100);
    }
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
