#include "core/files/win1252.h"

#include <array>
#include <cstdint>

namespace paretix {

namespace {

// Code points of the bytes 0x80..0x9F; 0 where Windows-1252 defines no character.
constexpr std::array<char32_t, 32> Tabella80 = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t CodiceDi(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) {
        const char32_t c = Tabella80[byte - 0x80];
        return c != 0 ? c : byte;
    }
    return byte;
}

void AggiungiUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

std::optional<unsigned char> ByteDi(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<unsigned char>(c);
    }
    for (unsigned i = 0; i < Tabella80.size(); ++i) {
        if (Tabella80[i] == c || (Tabella80[i] == 0 && c == 0x80 + i)) {
            return static_cast<unsigned char>(0x80 + i);
        }
    }
    return std::nullopt;
}

// Decodes one UTF-8 sequence at testo[i]; advances i. Nothing on a malformed sequence.
std::optional<char32_t> Decodifica(std::string_view testo, std::size_t& i) {
    const auto b0 = static_cast<unsigned char>(testo[i]);
    int seguiti = 0;
    char32_t c = 0;
    if (b0 < 0x80) {
        ++i;
        return b0;
    } else if ((b0 & 0xE0) == 0xC0) {
        seguiti = 1;
        c = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        seguiti = 2;
        c = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        seguiti = 3;
        c = b0 & 0x07;
    } else {
        return std::nullopt;
    }
    if (i + static_cast<std::size_t>(seguiti) >= testo.size()) {
        return std::nullopt;
    }
    for (int j = 1; j <= seguiti; ++j) {
        const auto b = static_cast<unsigned char>(testo[i + static_cast<std::size_t>(j)]);
        if ((b & 0xC0) != 0x80) {
            return std::nullopt;
        }
        c = (c << 6) | (b & 0x3F);
    }
    // An overlong form ("\xC0\x8A" for a line feed) is not UTF-8: it would smuggle control
    // characters past the callers' checks.
    constexpr char32_t Minimo[] = {0, 0x80, 0x800, 0x10000};
    if (c < Minimo[seguiti]) {
        return std::nullopt;
    }
    i += static_cast<std::size_t>(seguiti) + 1;
    return c;
}

} // namespace

std::string Win1252AUtf8(std::string_view testo) {
    std::string out;
    out.reserve(testo.size() + testo.size() / 8);
    for (const char ch : testo) {
        AggiungiUtf8(out, CodiceDi(static_cast<unsigned char>(ch)));
    }
    return out;
}

std::optional<std::string> Utf8AWin1252(std::string_view testo) {
    std::string out;
    out.reserve(testo.size());
    for (std::size_t i = 0; i < testo.size();) {
        const auto c = Decodifica(testo, i);
        if (!c) {
            return std::nullopt;
        }
        const auto byte = ByteDi(*c);
        if (!byte) {
            return std::nullopt;
        }
        out.push_back(static_cast<char>(*byte));
    }
    return out;
}

bool RappresentabileWin1252(std::string_view testo) {
    return Utf8AWin1252(testo).has_value();
}

} // namespace paretix
