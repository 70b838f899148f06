#include "core/materials/maiuscolo.h"

namespace paretix {

namespace {

// Every character handled here lies from U+0080 to U+07FF: two bytes.
void AggiungiUtf8(std::string& testo, char32_t c) {
    testo += static_cast<char>(0xC0 | (c >> 6));
    testo += static_cast<char>(0x80 | (c & 0x3F));
}

// The capital of a two-byte character, or the character itself.
char32_t Capitale(char32_t c) {
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) { // à..þ without the division sign
        return c - 0x20;
    }
    switch (c) {
    case 0xFF: // ÿ
        return 0x178;
    case 0x153: // œ
    case 0x161: // š
    case 0x17E: // ž
        return c - 1;
    default:
        return c;
    }
}

} // namespace

std::string Maiuscolo(std::string_view testo) {
    std::string risultato;
    risultato.reserve(testo.size());
    for (std::size_t i = 0; i < testo.size(); ++i) {
        const auto b = static_cast<unsigned char>(testo[i]);
        if (b >= 'a' && b <= 'z') {
            risultato += static_cast<char>(b - ('a' - 'A'));
        } else if ((b & 0xE0) == 0xC0 && i + 1 < testo.size() &&
                   (static_cast<unsigned char>(testo[i + 1]) & 0xC0) == 0x80) {
            const char32_t c = (static_cast<char32_t>(b & 0x1F) << 6) |
                               (static_cast<unsigned char>(testo[i + 1]) & 0x3F);
            if (c >= 0x80) {
                AggiungiUtf8(risultato, Capitale(c));
            } else { // an overlong form stays as it came
                risultato.append(testo.substr(i, 2));
            }
            ++i;
        } else {
            risultato += static_cast<char>(b);
        }
    }
    return risultato;
}

} // namespace paretix
