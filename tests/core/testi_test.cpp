#include <gtest/gtest.h>

#include <map>

#include "core/files/testo_terminale.h"
#include "core/files/win1252.h"
#include "core/window/percorso_esercizio.h"
#include "core/window/righe_testo.h"
#include "tabella_casi.h"

using namespace paretix;

namespace {

// The text of the exercise file: what cannot be stored is refused, what is stored reads back.
std::string InWin1252(const std::string& utf8) {
    const auto ansi = Utf8AWin1252(utf8);
    EXPECT_EQ(ansi.has_value(), RappresentabileWin1252(utf8)) << utf8;
    if (ansi) {
        EXPECT_EQ(Win1252AUtf8(*ansi), utf8);
    }
    return ansi.value_or("rifiutato");
}

std::string Righe(const std::string& testo) {
    std::string fuori;
    for (const std::string_view riga : RigheTesto(testo)) {
        fuori += "[" + std::string(riga) + "]";
    }
    return fuori;
}

} // namespace

// Each line of the table names the function, then its input after one blank.
TEST(Testi, ConversionsLinesAndPaths) {
    const std::map<std::string, std::function<std::string(const std::string&)>> funzioni{
        {"InWin1252", InWin1252},
        {"TestoPerTerminale", [](const std::string& t) { return TestoPerTerminale(t); }},
        {"RigheTesto", Righe},
        {"LineeConLF", [](const std::string& t) { return LineeConLF(t); }},
        {"ElaboraStringa", [](const std::string& t) { return ElaboraStringa(t); }},
        {"ConEstensioneEsercizio", [](const std::string& t) { return ConEstensioneEsercizio(t); }},
    };
    test::ExpectTabella("core-h2/testi.txt", [&](const std::string& riga) {
        const std::size_t spazio = riga.find(' ');
        return funzioni.at(riga.substr(0, spazio))(riga.substr(spazio + 1));
    });
}

TEST(Win1252, EveryByteReadsAndWritesBack) {
    std::string tutti;
    for (int b = 0; b < 256; ++b) {
        tutti.push_back(static_cast<char>(b));
    }
    EXPECT_EQ(Utf8AWin1252(Win1252AUtf8(tutti)), tutti);
}
