#include <gtest/gtest.h>

#include <set>

#include "chiamate_finte.h"
#include "core/files/esito_scrittura.h"
#include "core/files/scrittura_atomica.h"
#include "support/cartella_temporanea.h"

using namespace paretix;
using namespace paretix::test;

TEST(MessaggioSalvataggio, EveryReasonOfAFailedWriteHasItsText) {
    struct Caso {
        int errore;
        const char* messaggio;
    };
    const Caso casi[] = {
        {EROFS, DiscoProtetto},      {ENOSPC, DiscoPieno},
        {EDQUOT, DiscoPieno},        {EACCES, PermessoNegato},
        {EPERM, PermessoNegato},     {ENOENT, CartellaMancante},
        {ENOTDIR, CartellaMancante}, {ENAMETOOLONG, NomeTroppoLungo},
        {ETXTBSY, FileInUso},        {EBUSY, FileInUso},
        {EAGAIN, FileInUso},         {EIO, DiscoProtetto},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.errore);
        CartellaTemporanea cartella;
        ScriviTutto(cartella / "muro.css", "vecchio");
        // The write of the content fails, after the folder took the temporary.
        ChiamateFinte chiamate("Scrivi", caso.errore);
        const EsitoScrittura esito = ScritturaAtomica(cartella / "muro.css", "nuovo", chiamate);
        ASSERT_FALSE(esito);
        EXPECT_EQ(MessaggioSalvataggio(esito.Motivo), caso.messaggio);
    }
}

TEST(MessaggioSalvataggio, AFolderThatRefusesTheFileReadsAsAProtectedDisk) {
    for (const int errore : {EACCES, EPERM, EROFS}) {
        SCOPED_TRACE(errore);
        CartellaTemporanea cartella;
        ChiamateFinte chiamate("Apri", errore);
        const EsitoScrittura esito = ScritturaAtomica(cartella / "muro.css", "nuovo", chiamate);
        EXPECT_EQ(MessaggioSalvataggio(esito.Motivo),
                  "Il disco è protetto dalla scrittura.\r\n"
                  "Impossibile salvare il file su un disco protetto dalla scrittura.");
    }
    EXPECT_EQ(MessaggioSalvataggio(MotivoErrore::Nessuno), "");
}

TEST(MessaggioSalvataggio, TheTextsAreDistinctTwoLineMessages) {
    const std::set<std::string> testi = {DiscoProtetto,    DiscoPieno,      PermessoNegato,
                                         CartellaMancante, NomeTroppoLungo, FileInUso};
    EXPECT_EQ(testi.size(), 6u);
    for (const std::string& testo : testi) {
        EXPECT_NE(testo.find(".\r\nImpossibile salvare il file"), std::string::npos) << testo;
    }
}
