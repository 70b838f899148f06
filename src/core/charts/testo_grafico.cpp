#include "core/charts/testo_grafico.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <utility>

namespace paretix {

namespace {

constexpr double LarghezzaMaiuscola = 115;
constexpr double LarghezzaLarga = 150;

} // namespace

std::string FormaGrafico(double valore) {
    if (valore == 0.0) {
        return "0";
    }
    char buffer[64];
    const auto [fine, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, valore, std::chars_format::general, 4);
    std::string testo;
    for (const char* p = buffer; p != fine; ++p) {
        const char c = *p;
        testo.push_back(c == '.' ? ',' : c == 'e' ? 'E' : c);
    }
    (void)ec;
    return testo;
}

double LarghezzaTesto(std::string_view testo) {
    double larghezza = 0;
    for (const char c : testo) {
        const auto u = static_cast<unsigned char>(c);
        if ((u & 0xC0) == 0x80) {
            continue; // a continuation byte of a UTF-8 character
        }
        if (c == 'M' || c == 'W' || c == 'm' || c == 'w') {
            larghezza += LarghezzaLarga;
        } else if (c >= 'A' && c <= 'Z') {
            larghezza += LarghezzaMaiuscola;
        } else {
            larghezza += LarghezzaCarattere;
        }
    }
    return larghezza;
}

Rettangolo Ingombro(const Etichetta& e) {
    return {e.Sinistra, e.Alto, e.Sinistra + LarghezzaTesto(e.Testo), e.Alto + AltezzaTesto};
}

bool Sovrapposti(const Rettangolo& a, const Rettangolo& b) {
    return a.Sinistra < b.Destra && b.Sinistra < a.Destra && a.Alto < b.Basso && b.Alto < a.Basso;
}

bool DentroSuperficie(const Rettangolo& r, const Superficie& s) {
    return r.Sinistra >= 0 && r.Alto >= 0 && r.Destra <= s.Larghezza && r.Basso <= s.Altezza;
}

bool Attraversa(const Linea& l, const Rettangolo& r) {
    if (!std::isfinite(l.X1) || !std::isfinite(l.Y1) || !std::isfinite(l.X2) ||
        !std::isfinite(l.Y2)) {
        return false;
    }
    if (std::max(l.X1, l.X2) < r.Sinistra || std::min(l.X1, l.X2) > r.Destra ||
        std::max(l.Y1, l.Y2) < r.Alto || std::min(l.Y1, l.Y2) > r.Basso) {
        return false;
    }
    // The part of the segment within the rectangle's slabs, as fractions t of its length.
    double da = 0;
    double a = 1;
    const auto taglia = [&](double inizio, double passo, double minimo, double massimo) {
        if (passo == 0) {
            return inizio >= minimo && inizio <= massimo;
        }
        double t1 = (minimo - inizio) / passo;
        double t2 = (massimo - inizio) / passo;
        if (t1 > t2) {
            std::swap(t1, t2);
        }
        da = std::max(da, t1);
        a = std::min(a, t2);
        return da <= a;
    };
    return taglia(l.X1, l.X2 - l.X1, r.Sinistra, r.Destra) &&
           taglia(l.Y1, l.Y2 - l.Y1, r.Alto, r.Basso);
}

} // namespace paretix
