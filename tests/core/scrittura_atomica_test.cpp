#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <sstream>

#include "core/files/esito_scrittura.h"
#include "core/files/lettura_file.h"
#include "core/files/scrittura_atomica.h"
#include "support/cartella_temporanea.h"
#include "support/chiamate_finte.h"
#include "tabella_casi.h"

using namespace paretix;
using namespace paretix::test;
namespace fs = std::filesystem;

namespace {

std::size_t Voci(const std::string& cartella) {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(cartella), fs::directory_iterator()));
}

// The position in registro of the first line that is riga, or its size.
std::size_t Posizione(const std::vector<std::string>& registro, const std::string& riga) {
    return static_cast<std::size_t>(std::find(registro.begin(), registro.end(), riga) -
                                    registro.begin());
}

// The line that starts with inizio, or an empty one.
std::string RigaCon(const std::vector<std::string>& registro, const std::string& inizio) {
    for (const std::string& riga : registro) {
        if (riga.starts_with(inizio)) {
            return riga;
        }
    }
    return {};
}

struct stat Stato(const std::string& percorso) {
    struct stat stato {};
    EXPECT_EQ(::stat(percorso.c_str(), &stato), 0) << percorso;
    return stato;
}

// A folder of its own for each test, and the file a test saves in it.
class Scrittura : public ::testing::Test {
  protected:
    CartellaTemporanea cartella;
    const std::string file = cartella / "muro.css";
};

} // namespace

// The name is as long as a name may be: the temporary beside it must still be made.
TEST_F(Scrittura, CreatesAndReplacesKeepingThePermissions) {
    const std::string lungo = cartella / (std::string(251, 'm') + ".css");
    ASSERT_TRUE(ScritturaAtomica(lungo, "primo"));
    EXPECT_EQ(LeggiTutto(lungo), "primo");
    fs::permissions(lungo, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(ScritturaAtomica(lungo, std::string("secondo\0\xFF", 9)));
    EXPECT_EQ(LeggiTutto(lungo), std::string("secondo\0\xFF", 9));
    EXPECT_EQ(fs::status(lungo).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(Voci(cartella.Percorso()), 1u) << "a temporary file was left behind";
}

// The real reasons, with permissions that bind: the tests run as root in CI, so the denied
// cases run as the user "nobody". Each failure leaves the previous content and no temporary.
TEST_F(Scrittura, RealFailuresTellTheirReasonAndLeaveThePreviousContent) {
    fs::create_directory(cartella / "cartella.css");
    ScriviTutto(cartella / "file", "");
    fs::create_directory(cartella / "aperta");
    fs::permissions(cartella / "aperta", fs::perms::all);
    ScriviTutto(cartella / "aperta/protetto.css", "vecchio");
    SolaLettura(cartella / "aperta/protetto.css");
    fs::create_directory(cartella / "chiusa");
    ScriviTutto(cartella / "chiusa/muro.css", "vecchio");
    SolaLettura(cartella / "chiusa");
    const struct {
        std::string percorso;
        MotivoErrore motivo;
        bool negato; // by the permissions: tried as "nobody"
    } casi[] = {
        {cartella / "cartella.css", MotivoErrore::Altro, false},
        {cartella.Percorso(), MotivoErrore::Altro, false},
        {cartella / "manca/muro.css", MotivoErrore::CartellaMancante, false},
        {cartella / "file/muro.css", MotivoErrore::CartellaMancante, false},
        {cartella / std::string(256, 'm'), MotivoErrore::NomeTroppoLungo, false},
        {cartella / "aperta/protetto.css", MotivoErrore::PermessoNegato, true},
        {cartella / "chiusa/muro.css", MotivoErrore::CartellaProtetta, true},
    };
    EXPECT_FALSE(ScritturaAtomica("", "x"));
    for (const auto& caso : casi) {
        std::optional<ComeUtenteQualsiasi> utente;
        if (caso.negato) {
            utente.emplace();
        }
        EXPECT_EQ(ScritturaAtomica(caso.percorso, "nuovo").Motivo, caso.motivo) << caso.percorso;
    }
    EXPECT_EQ(Voci(cartella / "aperta"), 1u) << "a temporary file was left behind";
    EXPECT_EQ(Voci(cartella / "chiusa"), 1u) << "a temporary file was left behind";
    EXPECT_EQ(LeggiTutto(cartella / "aperta/protetto.css"), "vecchio");
    EXPECT_EQ(LeggiTutto(cartella / "chiusa/muro.css"), "vecchio");
    EXPECT_EQ(Voci(cartella.Percorso()), 4u);
}

TEST(LeggiFile, ReadsWithinTheLimitOnly) {
    CartellaTemporanea cartella;
    ScriviTutto(cartella / "dieci", "0123456789");
    EXPECT_EQ(LeggiFile(cartella / "dieci", 10), "0123456789");
    EXPECT_FALSE(LeggiFile(cartella / "dieci", 9).has_value());
    EXPECT_FALSE(LeggiFile(cartella / "manca", 10).has_value());
    EXPECT_FALSE(LeggiFile(cartella.Percorso(), 10).has_value());
    ScriviTutto(cartella / "vuoto", "");
    EXPECT_EQ(LeggiFile(cartella / "vuoto", 10), "");
}

// Every reason a failed system call gives, and the message the window shows for it: the
// table's input is the call, which time it fails and the error. The first Apri makes the
// temporary in the folder, the second checks the file is writable; the first Chiudi closes that
// check, the second the temporary.
TEST_F(Scrittura, EachFailingCallLeavesTheFileAndTellsWhy) {
    const std::map<std::string, int> errori{
        {"EACCES", EACCES}, {"EPERM", EPERM},     {"EROFS", EROFS},
        {"ENOENT", ENOENT}, {"EIO", EIO},         {"ENOSPC", ENOSPC},
        {"EDQUOT", EDQUOT}, {"ENOTDIR", ENOTDIR}, {"EBUSY", EBUSY},
        {"EAGAIN", EAGAIN}, {"ETXTBSY", ETXTBSY}, {"ENAMETOOLONG", ENAMETOOLONG}};
    const char* motivi[] = {"nessuno",           "sola lettura",    "cartella protetta",
                            "disco pieno",       "permesso negato", "cartella mancante",
                            "nome troppo lungo", "file in uso",     "altro"};
    ExpectTabella("core-h2/chiamate-fallite.txt", [&](const std::string& caso) {
        std::istringstream parti(caso);
        std::string chiamata, errore;
        int volta = 0;
        parti >> chiamata >> volta >> errore;
        ScriviTutto(file, "vecchio");
        ChiamateFinte chiamate(chiamata, errori.at(errore), {volta});
        const EsitoScrittura esito = ScritturaAtomica(file, "nuovo", chiamate);
        EXPECT_FALSE(esito) << caso;
        EXPECT_EQ(LeggiTutto(file), "vecchio") << caso;
        EXPECT_EQ(Voci(cartella.Percorso()), 1u) << "a temporary file was left behind: " << caso;
        return std::string(motivi[static_cast<int>(esito.Motivo)]) + ": " +
               MessaggioSalvataggio(esito.Motivo);
    });
}

// A write interrupted by a signal before it wrote anything is tried again.
TEST_F(Scrittura, AnInterruptedWriteIsRetried) {
    ChiamateFinte chiamate("Scrivi", EINTR, {1, 2});
    EXPECT_TRUE(ScritturaAtomica(file, "nuovo", chiamate));
    EXPECT_EQ(LeggiTutto(file), "nuovo");
}

TEST_F(Scrittura, AnOwnerThatMayNotBeKeptDoesNotStopTheSave) {
    ScriviTutto(file, "vecchio");
    ChiamateFinte chiamate("CambiaProprietario", EPERM);
    EXPECT_TRUE(ScritturaAtomica(file, "nuovo", chiamate));
    EXPECT_EQ(LeggiTutto(file), "nuovo");
}

TEST_F(Scrittura, TheTemporaryIsPrivateUntilItGetsTheFinalMode) {
    const mode_t maschera = ::umask(027);
    ChiamateFinte nuovo;
    EXPECT_TRUE(ScritturaAtomica(file, "primo", nuovo));
    ASSERT_FALSE(nuovo.Aperture.empty());
    EXPECT_EQ(nuovo.Aperture[0].first & (O_CREAT | O_EXCL), O_CREAT | O_EXCL);
    EXPECT_EQ(nuovo.Aperture[0].second, 0600u);
    EXPECT_EQ(nuovo.Modi, std::vector<mode_t>{0640});
    EXPECT_EQ(Stato(file).st_mode & 07777, 0640u);
    ::umask(0);
    ASSERT_TRUE(ScritturaAtomica(cartella / "aperto.css", "primo"));
    EXPECT_EQ(Stato(cartella / "aperto.css").st_mode & 07777, 0666u);
    ::umask(maschera);

    ASSERT_EQ(::chmod(file.c_str(), 0604), 0);
    ChiamateFinte esistente;
    EXPECT_TRUE(ScritturaAtomica(file, "secondo", esistente));
    EXPECT_EQ(esistente.Aperture[0].second, 0600u);
    EXPECT_EQ(Stato(file).st_mode & 07777, 0604u);
    // The mode is set before the temporary takes the file's place.
    EXPECT_LT(Posizione(esistente.Registro, RigaCon(esistente.Registro, "CambiaModo")),
              Posizione(esistente.Registro, RigaCon(esistente.Registro, "Rinomina")));
}

TEST_F(Scrittura, AnExistingFileKeepsItsOwnerAndGroup) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only root may give a file to another user";
    }
    ScriviTutto(file, "vecchio");
    constexpr uid_t Nobody = 65534;
    constexpr gid_t Nogroup = 65534;
    ASSERT_EQ(::chown(file.c_str(), Nobody, Nogroup), 0);
    ASSERT_TRUE(ScritturaAtomica(file, "nuovo"));
    EXPECT_EQ(Stato(file).st_uid, Nobody);
    EXPECT_EQ(Stato(file).st_gid, Nogroup);
    EXPECT_EQ(LeggiTutto(file), "nuovo");
}

// A link is kept and the file it names replaced, through chains of links too; a dangling link
// gets its file, a loop of links is a failure.
TEST_F(Scrittura, WritesThroughChainsOfLinksAndCreatesTheFileADanglingLinkNames) {
    ScriviTutto(cartella / "vero.css", "vecchio");
    fs::create_symlink(cartella / "vero.css", cartella / "link.css");
    ASSERT_TRUE(ScritturaAtomica(cartella / "link.css", "nuovo"));
    EXPECT_TRUE(fs::is_symlink(cartella / "link.css"));
    EXPECT_EQ(LeggiTutto(cartella / "vero.css"), "nuovo");

    fs::create_directory(cartella / "vera");
    ScriviTutto(cartella / "vera/muro.css", "vecchio");
    fs::create_symlink("vera/muro.css", cartella / "secondo.css");
    fs::create_symlink(cartella / "secondo.css", cartella / "primo.css");
    ChiamateFinte chiamate;
    ASSERT_TRUE(ScritturaAtomica(cartella / "primo.css", "nuovo", chiamate));
    EXPECT_EQ(LeggiTutto(cartella / "vera/muro.css"), "nuovo");
    EXPECT_TRUE(fs::is_symlink(cartella / "primo.css"));
    EXPECT_TRUE(fs::is_symlink(cartella / "secondo.css"));
    EXPECT_EQ(fs::read_symlink(cartella / "secondo.css"), "vera/muro.css");
    EXPECT_NE(RigaCon(chiamate.Registro, "Rinomina " + cartella / "vera/.muro.css.paretix-"), "")
        << "the temporary is made beside the file the links end at";

    fs::create_symlink("nuovo.css", cartella / "sospeso.css");
    ASSERT_TRUE(ScritturaAtomica(cartella / "sospeso.css", "creato"));
    EXPECT_TRUE(fs::is_symlink(cartella / "sospeso.css"));
    EXPECT_EQ(LeggiTutto(cartella / "nuovo.css"), "creato");

    fs::create_symlink("anello-b", cartella / "anello-a");
    fs::create_symlink("anello-a", cartella / "anello-b");
    EXPECT_FALSE(ScritturaAtomica(cartella / "anello-a", "x"));
    EXPECT_EQ(Voci(cartella.Percorso()), 9u);
}

TEST_F(Scrittura, RemovesOnlyTheStaleTemporariesOfTheSameFileAndUser) {
    const std::vector<std::string> restano = {
        ".muro.css.paretix-nuovo1.tmp",  // younger than a minute
        ".altro.css.paretix-abc123.tmp", // another file's
        ".muro.css.paretix-abc12.tmp",   // not a name the program makes
        ".muro.css.paretix-ab-123.tmp",  "muro.css.paretix-abc123.tmp",
    };
    const std::string vecchio = ".muro.css.paretix-abc123.tmp";
    const std::string altrui = ".muro.css.paretix-xyz789.tmp";
    std::vector<std::string> tutti = restano;
    tutti.insert(tutti.end(), {vecchio, altrui});
    for (const std::string& nome : tutti) {
        ScriviTutto(cartella / nome, "resto");
        ASSERT_TRUE(Invecchia(cartella / nome, nome.find("nuovo") != std::string::npos ? 30 : 120));
    }
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown((cartella / altrui).c_str(), 65534, 65534), 0);
    }
    ASSERT_TRUE(ScritturaAtomica(file, "muro"));
    EXPECT_FALSE(fs::exists(cartella / vecchio));
    for (const std::string& nome : restano) {
        EXPECT_TRUE(fs::exists(cartella / nome)) << nome;
    }
    EXPECT_EQ(fs::exists(cartella / altrui), ::geteuid() == 0);
}

TEST_F(Scrittura, SyncsTheFileBeforeTheRenameAndTheFolderAfterIt) {
    ScriviTutto(file, "vecchio");
    ChiamateFinte chiamate;
    ASSERT_TRUE(ScritturaAtomica(file, "nuovo", chiamate));
    const std::string rinomina = RigaCon(chiamate.Registro, "Rinomina ");
    ASSERT_NE(rinomina, "");
    const std::string temporaneo = rinomina.substr(std::string("Rinomina ").size());
    const auto& r = chiamate.Registro;
    EXPECT_LT(Posizione(r, "Scrivi " + temporaneo), Posizione(r, "Sincronizza " + temporaneo));
    EXPECT_LT(Posizione(r, "Sincronizza " + temporaneo), Posizione(r, rinomina));
    EXPECT_LT(Posizione(r, rinomina), Posizione(r, "Sincronizza " + cartella.Percorso()));
    EXPECT_LT(Posizione(r, "Sincronizza " + cartella.Percorso()), r.size());
}

TEST_F(Scrittura, AFileWithHardLinksIsRewrittenInPlaceBehindASyncedCopy) {
    const std::string altroNome = cartella / "collegato.css";
    ScriviTutto(file, "vecchio");
    fs::create_hard_link(file, altroNome);
    ASSERT_EQ(::chmod(file.c_str(), 0640), 0);

    ChiamateFinte chiamate;
    ASSERT_TRUE(ScritturaAtomica(file, "nuovo contenuto", chiamate));
    EXPECT_EQ(LeggiTutto(file), "nuovo contenuto");
    EXPECT_EQ(LeggiTutto(altroNome), "nuovo contenuto");
    EXPECT_EQ(Stato(file).st_nlink, 2u);
    EXPECT_EQ(Stato(file).st_mode & 07777, 0640u);
    EXPECT_EQ(Voci(cartella.Percorso()), 2u) << "the copy was left behind";
    const auto& r = chiamate.Registro;
    const std::string copia = RigaCon(r, "Scrivi ").substr(std::string("Scrivi ").size());
    EXPECT_NE(copia, file);
    EXPECT_LT(Posizione(r, "Sincronizza " + copia),
              Posizione(r, "Sincronizza " + cartella.Percorso()));
    EXPECT_LT(Posizione(r, "Sincronizza " + cartella.Percorso()), Posizione(r, "Tronca " + file));
    EXPECT_LT(Posizione(r, "Sincronizza " + file), Posizione(r, "Rimuovi " + copia));

    // The second Scrivi is the rewrite of the file: it fails, the old content goes back.
    ChiamateFinte pieno("Scrivi", ENOSPC, {2});
    const EsitoScrittura esito = ScritturaAtomica(file, "terzo", pieno);
    EXPECT_EQ(esito.Motivo, MotivoErrore::DiscoPieno);
    EXPECT_EQ(LeggiTutto(altroNome), "nuovo contenuto");
    EXPECT_EQ(Voci(cartella.Percorso()), 2u);

    // When putting it back fails too, the copy stays with the old content.
    ChiamateFinte guasto("Scrivi", EIO, {2, 3});
    EXPECT_EQ(ScritturaAtomica(file, "quarto", guasto).Motivo, MotivoErrore::Altro);
    ASSERT_EQ(Voci(cartella.Percorso()), 3u);
    for (const auto& voce : fs::directory_iterator(cartella.Percorso())) {
        if (voce.path().filename().string().starts_with(".muro.css.paretix-")) {
            EXPECT_EQ(LeggiTutto(voce.path()), "nuovo contenuto");
        }
    }
}
