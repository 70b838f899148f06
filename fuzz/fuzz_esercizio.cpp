// Any bytes as an exercise file: the reader must neither crash nor let the exercise hold more
// than 15 layers, a refused file must leave a new empty exercise, and an accepted one must save
// and open again unchanged. An accepted exercise is then calculated with its checks: a run
// that says its data are valid has only finite results.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/calc/valori_finiti.h"
#include "core/files/apertura_file.h"
#include "core/files/creazione_file.h"
#include "core/verifiche/calcola_verifiche.h"
#include "core/verifiche/verifiche_finite.h"

namespace {

void Verifica(bool condizione) {
    if (!condizione) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t dimensione) {
    using namespace paretix;
    const std::string_view file(reinterpret_cast<const char*>(dati), dimensione);
    Esercizio e;
    e.Strati.resize(NumeroStratiMax);
    e.Appunti = "appunti di prima";
    const bool accettato = LetturaEsercizio(file, e);
    Verifica(e.NumeroStrati() >= 1 && e.NumeroStrati() <= NumeroStratiMax);
    if (!accettato) {
        Verifica(e == Esercizio{});
        return 0;
    }
    const auto salvato = ContenutoFileEsercizio(e);
    Verifica(salvato.has_value());
    Esercizio riaperto;
    Verifica(LetturaEsercizio(*salvato, riaperto));
    Verifica(riaperto == e);

    RisultatiCalcolo r;
    std::string testo;
    std::optional<RisultatiVerifiche> verifiche;
    if (CalcolaConVerifiche(e, r, testo, &verifiche).DatiValidi) {
        Verifica(!ControlloValoriFiniti(e, r));
        Verifica(!verifiche || !ControlloVerificheFinite(*verifiche));
    }
    return 0;
}
