// Any bytes as an exercise file: the reader must neither crash nor let the exercise hold more
// than 15 layers, a refused file must leave a new empty exercise, and an accepted one must save
// and open again unchanged.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/files/apertura_file.h"
#include "core/files/creazione_file.h"

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
    return 0;
}
