// Any bytes as abaco.txt: the reader must not crash, and rewriting what it read (the rows and
// the tail it did not understand) must read back the same and rewrite to the same bytes.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/materials/abaco_file.h"

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
    const ContenutoAbaco letto = LetturaAbaco(file);
    Verifica(file.ends_with(letto.Coda));
    const auto riscritto = ContenutoFileAbaco(letto.Voci, letto.Coda);
    Verifica(riscritto.has_value());
    const ContenutoAbaco riletto = LetturaAbaco(*riscritto);
    Verifica(riletto == letto);
    Verifica(ContenutoFileAbaco(riletto.Voci, riletto.Coda) == riscritto);
    return 0;
}
