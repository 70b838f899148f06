#pragma once
// Inputs and what the program answers to them, in one readable file under tests/data: every line
// "> input" is given to the program, and the indented lines under it are its answer; "#" lines
// say why a case is there. The test compares the whole transcript with the file, so a reviewer
// reads each input beside what it pins. Bytes that are neither printable ASCII nor UTF-8 are
// written \xNN, line ends \r and \n, in inputs and answers alike. PARETIX_RIGENERA=1 rewrites
// the answers (tests/support/dati_attesi.h).

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "support/dati_attesi.h"

namespace paretix::test {

// The text as a transcript writes it.
inline std::string Visibile(const std::string& testo) {
    std::string v;
    for (std::size_t i = 0; i < testo.size(); ++i) {
        const auto c = static_cast<unsigned char>(testo[i]);
        // The length of the UTF-8 sequence that starts here, 0 when it is not one.
        std::size_t n = c >= 0xC2 && c <= 0xDF   ? 2
                        : c >= 0xE0 && c <= 0xEF ? 3
                        : c >= 0xF0 && c <= 0xF4 ? 4
                                                 : 0;
        for (std::size_t j = 1; j < n; ++j) {
            if (i + j >= testo.size() ||
                (static_cast<unsigned char>(testo[i + j]) & 0xC0) != 0x80) {
                n = 0;
            }
        }
        if (n > 0) {
            v += testo.substr(i, n);
            i += n - 1;
        } else if (c == '\r' || c == '\n' || c == '\\') {
            v += c == '\r' ? "\\r" : c == '\n' ? "\\n" : "\\\\";
        } else if (c < 0x20 || c >= 0x7F) {
            static constexpr char Cifre[] = "0123456789ABCDEF";
            v += std::string("\\x") + Cifre[c >> 4] + Cifre[c & 15];
        } else {
            v += static_cast<char>(c);
        }
    }
    return v;
}

// The text a transcript line stands for.
inline std::string DaVisibile(const std::string& riga) {
    std::string t;
    for (std::size_t i = 0; i < riga.size(); ++i) {
        if (riga[i] != '\\' || i + 1 == riga.size()) {
            t += riga[i];
        } else if (const char c = riga[++i]; c == 'x' && i + 2 < riga.size()) {
            t += static_cast<char>(std::stoi(riga.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            t += c == 'r' ? '\r' : c == 'n' ? '\n' : c == 't' ? '\t' : c;
        }
    }
    return t;
}

// Compares tests/data/<relativo> with its inputs followed by what risposta answers to each.
inline void
ExpectTrascrizione(const std::string& relativo,
                   const std::function<std::vector<std::string>(const std::string&)>& risposta) {
    std::istringstream righe(LeggiTutto(PercorsoAtteso(relativo)));
    std::string uscita;
    for (std::string riga; std::getline(righe, riga);) {
        if (riga.starts_with("> ")) {
            uscita += riga + "\n";
            for (const std::string& r : risposta(DaVisibile(riga.substr(2)))) {
                uscita += "  " + Visibile(r) + "\n";
            }
        } else if (!riga.starts_with("  ")) {
            uscita += riga + "\n";
        }
    }
    ExpectComeNelFile(relativo, uscita);
}

} // namespace paretix::test
