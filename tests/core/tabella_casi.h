#pragma once
// A table of cases kept as text under tests/data: one case a line, "input ⇒ output". The test
// reads the inputs, writes what the program gives beside each and compares the whole table with
// the file (rewritten with PARETIX_RIGENERA=1, like every expected file). Blank lines and lines
// starting with '#' are comments; a line without the arrow is an input whose output is still
// to be written. In both columns \r, \n, \t, \\ and \xNN stand for those bytes;
// an output is written with them where a byte is a control or not UTF-8.

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <string_view>

#include "support/dati_attesi.h"

namespace paretix::test {

inline std::string Decodifica(std::string_view testo) {
    std::string fuori;
    for (std::size_t i = 0; i < testo.size(); ++i) {
        if (testo[i] != '\\' || i + 1 == testo.size()) {
            fuori += testo[i];
        } else if (const char c = testo[++i]; c == 'x') {
            fuori += static_cast<char>(std::stoi(std::string(testo.substr(i + 1, 2)), nullptr, 16));
            i += 2;
        } else {
            fuori += c == 'r' ? '\r' : c == 'n' ? '\n' : c == 't' ? '\t' : c;
        }
    }
    return fuori;
}

// The length of the UTF-8 sequence starting at i, or 0 when none starts there.
inline std::size_t SequenzaUtf8(std::string_view t, std::size_t i) {
    const auto b = static_cast<unsigned char>(t[i]);
    const std::size_t n = b < 0x80 ? 1 : b >= 0xC2 && b < 0xE0 ? 2 : b >= 0xE0 && b < 0xF5 ? 3 : 0;
    const std::size_t lunga = n == 3 && b >= 0xF0 ? 4 : n;
    for (std::size_t k = 1; k < lunga; ++k) {
        if (i + k >= t.size() || (static_cast<unsigned char>(t[i + k]) & 0xC0) != 0x80) {
            return 0;
        }
    }
    return lunga;
}

inline std::string Codifica(std::string_view testo) {
    std::string fuori;
    for (std::size_t i = 0; i < testo.size();) {
        const std::size_t n = SequenzaUtf8(testo, i);
        const auto b = static_cast<unsigned char>(testo[i]);
        const char* nomi = "\r\n\t\\";
        if (const char* nome = b != 0 ? std::strchr(nomi, b) : nullptr; nome != nullptr) {
            fuori += std::string("\\") + "rnt\\"[nome - nomi];
        } else if (n == 0 || b < 0x20 || b == 0x7F) {
            constexpr char Cifre[] = "0123456789ABCDEF";
            fuori += std::string("\\x") + Cifre[b >> 4] + Cifre[b & 15];
        } else {
            fuori += testo.substr(i, n);
            i += n;
            continue;
        }
        ++i;
    }
    return fuori;
}

// Each input of the table tests/data/<relativo> through calcola, the outputs against the file.
inline void ExpectTabella(const std::string& relativo,
                          const std::function<std::string(const std::string&)>& calcola) {
    const std::string testo = LeggiTutto(PercorsoAtteso(relativo));
    constexpr std::string_view Freccia = " ⇒ ";
    std::string ottenuto;
    int casi = 0;
    for (std::size_t inizio = 0; inizio < testo.size();) {
        const std::size_t fine = std::min(testo.find('\n', inizio), testo.size());
        const std::string riga = testo.substr(inizio, fine - inizio);
        inizio = fine + 1;
        const std::size_t freccia = riga.find(Freccia);
        if (riga.empty() || riga.starts_with('#')) {
            ottenuto += riga + "\n";
            continue;
        }
        const std::string ingresso = riga.substr(0, freccia); // the whole line without an arrow
        ottenuto +=
            ingresso + std::string(Freccia) + Codifica(calcola(Decodifica(ingresso))) + "\n";
        ++casi;
    }
    EXPECT_GT(casi, 0) << relativo;
    ExpectComeNelFile(relativo, ottenuto);
}

} // namespace paretix::test
