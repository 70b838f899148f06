// The open-error message keeps its four lines and adds the cause it knows: a file that does
// not exist, a folder, no ordinary file, a file that may not be read, one of a later version.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "core/files/apertura_file.h"
#include "core/files/creazione_file.h"
#include "support/cartella_temporanea.h"

using namespace paretix;
using namespace paretix::test;

namespace {

// The exercise file of a new exercise with line 2, its version, replaced.
std::string ConVersione(const std::string& versione) {
    std::string testo = ContenutoFileEsercizio(Esercizio{}).value();
    testo.replace(testo.find("\r\n1\r\n"), 5, "\r\n" + versione + "\r\n");
    return testo;
}

TEST(AperturaCause, EachRefusalNamesItsCause) {
    CartellaTemporanea cartella;
    ScriviTutto(cartella / "tre.css", ConVersione("3"));
    ScriviTutto(cartella / "punto.css", ConVersione("1.00"));
    ScriviTutto(cartella / "chiuso.css", ConVersione("1"));
    chmod((cartella / "chiuso.css").c_str(), 0);
    struct Caso {
        std::string File;
        std::string Causa; // empty: the four lines alone
    };
    std::vector<Caso> casi{
        {cartella / "manca.css", "Il file non esiste."},
        {cartella / "manca/dentro.css", "Il file non esiste."},
        {cartella.Percorso(), "Il percorso è una cartella, non un file."},
        {"/dev/null", "Il percorso non è un file ordinario."},
        {cartella / "tre.css",
         "Il file è stato scritto da una versione successiva di Paretix LT (versione 3)."},
        // "1.00" is no version the program ever wrote: the message stays as it was.
        {cartella / "punto.css", ""},
    };
    // The superuser (as in CI) reads every file.
    if (geteuid() != 0) {
        casi.push_back({cartella / "chiuso.css", "Non si ha il permesso di leggere il file."});
    }
    for (const Caso& caso : casi) {
        Esercizio e;
        EXPECT_EQ(AperturaFile(caso.File, e), MessaggioErroreDiApertura(caso.File) +
                                                  (caso.Causa.empty() ? "" : "\r\n" + caso.Causa));
    }
}

} // namespace
