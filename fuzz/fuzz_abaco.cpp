// Any bytes as abaco.txt: the reader must not crash, the tail it did not understand must be the
// end of the text it read (a UTF-8 file's in Windows-1252), and rewriting what it read must read
// back the same and rewrite to the same bytes.

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
    Verifica(TestoAbacoLetto(file).ends_with(letto.Coda));
    const auto riscritto = ContenutoFileAbaco(letto.Voci, letto.Coda);
    Verifica(riscritto.has_value());
    const ContenutoAbaco riletto = LetturaAbaco(*riscritto);
    Verifica(riletto == letto);
    Verifica(ContenutoFileAbaco(riletto.Voci, riletto.Coda) == riscritto);
    return 0;
}
