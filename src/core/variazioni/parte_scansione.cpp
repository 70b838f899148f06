#include "core/variazioni/parte_scansione.h"

#include <charconv>

namespace paretix {

namespace {

std::optional<std::size_t> Intero(std::string_view t) {
    std::size_t n = 0;
    const auto [fine, errore] = std::from_chars(t.data(), t.data() + t.size(), n);
    if (t.empty() || errore != std::errc{} || fine != t.data() + t.size()) {
        return std::nullopt;
    }
    return n;
}

// ⌊n·k/N⌋ without overflow for k ≤ N ≤ PartiMassime.
std::size_t Taglio(std::size_t n, std::size_t k, std::size_t N) {
    return n / N * k + n % N * k / N;
}

} // namespace

std::optional<ParteScansione> LeggiParte(std::string_view testo) {
    const std::size_t barra = testo.find('/');
    if (barra == std::string_view::npos) {
        return std::nullopt;
    }
    const auto k = Intero(testo.substr(0, barra));
    const auto n = Intero(testo.substr(barra + 1));
    if (!k || !n || *k < 1 || *k > *n || *n > PartiMassime) {
        return std::nullopt;
    }
    return ParteScansione{*k, *n};
}

std::pair<std::size_t, std::size_t> VariantiDellaParte(std::size_t n, ParteScansione p) {
    return {Taglio(n, p.K - 1, p.N), Taglio(n, p.K, p.N)};
}

} // namespace paretix
