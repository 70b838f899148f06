#include "core/files/localita_epw.h"

namespace paretix {

namespace {

constexpr std::string_view MarcaturaBom = "\xEF\xBB\xBF";
constexpr std::string_view PrefissoLocalita = "LOCATION,";

} // namespace

std::string LocalitaEpw(std::string_view testo) {
    if (testo.starts_with(MarcaturaBom)) {
        testo.remove_prefix(MarcaturaBom.size());
    }
    if (!testo.starts_with(PrefissoLocalita)) {
        return {};
    }
    testo.remove_prefix(PrefissoLocalita.size());
    std::string_view nome = testo.substr(0, testo.find_first_of(",\r\n"));
    const std::size_t inizio = nome.find_first_not_of(' ');
    if (inizio == std::string_view::npos) {
        return {};
    }
    nome.remove_prefix(inizio);
    nome.remove_suffix(nome.size() - 1 - nome.find_last_not_of(' '));
    return std::string(nome);
}

} // namespace paretix
