#include "core/materials/ricerca_materiali.h"

#include <utility>
#include <vector>

namespace paretix {

namespace {

// The plain letters of U+00C0..U+00FF in order ("" for × and ÷, which are not letters).
constexpr std::string_view LettereLatine[64] = {
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "ss",
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "y"};

// The plain form of one character beyond ASCII, or nothing when it is not a letter of the
// Windows-1252 set.
bool Semplice(char32_t c, std::string& uscita) {
    if (c >= 0xC0 && c <= 0xFF && !LettereLatine[c - 0xC0].empty()) {
        uscita += LettereLatine[c - 0xC0];
        return true;
    }
    switch (c) {
    case 0x152: // Œ
    case 0x153: // œ
        uscita += "oe";
        return true;
    case 0x160: // Š
    case 0x161: // š
        uscita += 's';
        return true;
    case 0x17D: // Ž
    case 0x17E: // ž
        uscita += 'z';
        return true;
    case 0x178: // Ÿ
        uscita += 'y';
        return true;
    default:
        return false;
    }
}

// The length of the UTF-8 sequence starting with byte b and the bits it carries, or 0 for a
// byte that cannot start one.
int LunghezzaSequenza(unsigned char b, char32_t& bit) {
    if ((b & 0xE0) == 0xC0) {
        bit = b & 0x1F;
        return 2;
    }
    if ((b & 0xF0) == 0xE0) {
        bit = b & 0x0F;
        return 3;
    }
    if ((b & 0xF8) == 0xF0) {
        bit = b & 0x07;
        return 4;
    }
    return 0;
}

std::vector<std::string> Parole(std::string_view testo) {
    std::vector<std::string> parole;
    const std::string forma = FormaDiRicerca(testo);
    std::size_t inizio = 0;
    while (inizio < forma.size()) {
        const std::size_t fine = forma.find(' ', inizio);
        const std::size_t lunghezza = (fine == std::string::npos ? forma.size() : fine) - inizio;
        parole.push_back(forma.substr(inizio, lunghezza));
        inizio += lunghezza + 1;
    }
    return parole;
}

} // namespace

std::string FormaDiRicerca(std::string_view testo) {
    std::string uscita;
    uscita.reserve(testo.size());
    bool spazio = false;
    for (std::size_t i = 0; i < testo.size();) {
        const auto b = static_cast<unsigned char>(testo[i]);
        if (b == ' ' || b == '\t') {
            spazio = !uscita.empty();
            ++i;
            continue;
        }
        if (spazio) {
            uscita += ' ';
            spazio = false;
        }
        char32_t c = 0;
        const int n = b < 0x80 ? 1 : LunghezzaSequenza(b, c);
        bool completa = n > 1 && i + static_cast<std::size_t>(n) <= testo.size();
        for (int j = 1; completa && j < n; ++j) {
            const auto seguito = static_cast<unsigned char>(testo[i + static_cast<std::size_t>(j)]);
            completa = (seguito & 0xC0) == 0x80;
            c = (c << 6) | (seguito & 0x3F);
        }
        if (n == 1) {
            uscita += static_cast<char>(b >= 'A' && b <= 'Z' ? b + ('a' - 'A') : b);
            ++i;
        } else if (completa) {
            if (!Semplice(c, uscita)) {
                uscita.append(testo.substr(i, static_cast<std::size_t>(n)));
            }
            i += static_cast<std::size_t>(n);
        } else { // a byte outside any sequence stays as it came
            uscita += static_cast<char>(b);
            ++i;
        }
    }
    return uscita;
}

namespace {

// A filter word this long or longer is looked for by its stem too.
constexpr std::size_t LunghezzaConRadice = 5;
// A stem this long or longer is found with one letter wrong, missing or added.
constexpr std::size_t LunghezzaConErrore = 5;

// The word without its last vowel: "mattone" and "mattoni" both give "matton".
std::string_view Radice(std::string_view parola) {
    if (parola.size() >= LunghezzaConRadice &&
        std::string_view("aeio").find(parola.back()) != std::string_view::npos) {
        parola.remove_suffix(1);
    }
    return parola;
}

// The edit distance of a and b, stopping early once it exceeds 1.
bool AlPiùUnErrore(std::string_view a, std::string_view b) {
    if (a.size() > b.size()) {
        std::swap(a, b);
    }
    if (b.size() - a.size() > 1) {
        return false;
    }
    std::size_t i = 0;
    while (i < a.size() && a[i] == b[i]) {
        ++i;
    }
    if (a.size() == b.size()) {
        return a.substr(i + (i < a.size() ? 1 : 0)) == b.substr(i + (i < b.size() ? 1 : 0));
    }
    return a.substr(i) == b.substr(i + 1);
}

// Whether some word of the name begins with the filter word's stem, or with nearly it.
bool TrovataLaRadice(const std::vector<std::string>& parole, std::string_view parola) {
    const std::string_view radice = Radice(parola);
    if (parola.size() < LunghezzaConRadice) {
        return false;
    }
    for (const std::string& w : parole) {
        if (w.starts_with(radice)) {
            return true;
        }
        if (radice.size() < LunghezzaConErrore) {
            continue;
        }
        for (std::size_t n = radice.size() - 1; n <= radice.size() + 1 && n <= w.size(); ++n) {
            if (AlPiùUnErrore(radice, std::string_view(w).substr(0, n))) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

bool TrovatoDalFiltro(std::string_view nome, std::string_view filtro) {
    const std::string forma = FormaDiRicerca(nome);
    const std::vector<std::string> parole = Parole(forma);
    for (const std::string& parola : Parole(filtro)) {
        if (forma.find(parola) == std::string::npos && !TrovataLaRadice(parole, parola)) {
            return false;
        }
    }
    return true;
}

} // namespace paretix
