#include "core/files/scrittura_atomica.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <ctime>
#include <optional>
#include <random>

namespace paretix {

int ChiamateFile::Apri(const char* percorso, int opzioni, mode_t modo) {
    return ::open(percorso, opzioni | O_CLOEXEC, modo);
}
ssize_t ChiamateFile::Scrivi(int file, const void* dati, std::size_t quanti) {
    return ::write(file, dati, quanti);
}
int ChiamateFile::Sincronizza(int file) {
    return ::fsync(file);
}
int ChiamateFile::Tronca(int file, off_t lunghezza) {
    return ::ftruncate(file, lunghezza);
}
int ChiamateFile::CambiaModo(int file, mode_t modo) {
    return ::fchmod(file, modo);
}
int ChiamateFile::CambiaProprietario(int file, uid_t utente, gid_t gruppo) {
    return ::fchown(file, utente, gruppo);
}
int ChiamateFile::Chiudi(int file) {
    return ::close(file);
}
int ChiamateFile::Rinomina(const char* da, const char* a) {
    return ::rename(da, a);
}
int ChiamateFile::Rimuovi(const char* percorso) {
    return ::unlink(percorso);
}

ChiamateFile& ChiamateDiSistema() {
    static ChiamateFile reali;
    return reali;
}

namespace {

constexpr int TentativiNomeTemporaneo = 100;
constexpr int CollegamentiSimbolici = 40; // as many as the kernel follows
// With the dot, infix, random letters and extension the temporary name stays within 255 bytes.
constexpr std::size_t LunghezzaNomeBase = 235;
constexpr std::string_view Infisso = ".paretix-";
constexpr std::string_view Estensione = ".tmp";
constexpr std::size_t LettereCasuali = 6;
constexpr std::string_view Alfabeto =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
constexpr mode_t ModoTemporaneo = 0600;
constexpr mode_t ModoNuovoFile = 0666;
constexpr mode_t BitModo = 07777;

EsitoScrittura Fallimento(int numero, bool nellaCartella = false) {
    return {MotivoDaErrno(numero, nellaCartella)};
}

// The file a path names once symbolic links, chains included, are followed; a link to nothing
// names the file to create. Nothing, with errore set, for a link that cannot be read or a loop.
std::optional<std::string> Risolto(std::string percorso, int& errore) {
    for (int salto = 0; salto < CollegamentiSimbolici; ++salto) {
        struct stat stato {};
        if (::lstat(percorso.c_str(), &stato) != 0 || !S_ISLNK(stato.st_mode)) {
            return percorso;
        }
        std::string bersaglio(PATH_MAX, '\0');
        const ssize_t letti = ::readlink(percorso.c_str(), bersaglio.data(), bersaglio.size());
        if (letti < 0) {
            errore = errno;
            return std::nullopt;
        }
        bersaglio.resize(static_cast<std::size_t>(letti));
        const auto separatore = percorso.rfind('/');
        if (bersaglio.front() != '/' && separatore != std::string::npos) {
            bersaglio = percorso.substr(0, separatore + 1) + bersaglio;
        }
        percorso = std::move(bersaglio);
    }
    errore = ELOOP;
    return std::nullopt;
}

struct Posizione {
    std::string cartella;
    std::string prefissoTemporanei; // the folder, a slash and what every temporary name begins with
};

std::optional<Posizione> PosizioneDi(const std::string& percorso) {
    const auto separatore = percorso.rfind('/');
    const std::string nome =
        separatore == std::string::npos ? percorso : percorso.substr(separatore + 1);
    if (nome.empty()) {
        return std::nullopt;
    }
    std::string cartella = separatore == std::string::npos ? "." : percorso.substr(0, separatore);
    if (cartella.empty()) {
        cartella = "/";
    }
    std::string prefisso = cartella + "/." + nome.substr(0, LunghezzaNomeBase);
    prefisso.append(Infisso);
    return Posizione{std::move(cartella), std::move(prefisso)};
}

bool ÈTemporaneo(std::string_view nome, std::string_view prefisso) {
    if (nome.size() != prefisso.size() + LettereCasuali + Estensione.size() ||
        !nome.starts_with(prefisso) || !nome.ends_with(Estensione)) {
        return false;
    }
    return nome.substr(prefisso.size(), LettereCasuali).find_first_not_of(Alfabeto) ==
           std::string_view::npos;
}

// Removes the temporaries that interrupted saves of the same file left behind.
void RimuoviAbbandonati(const Posizione& posizione, ChiamateFile& chiamate) {
    DIR* cartella = ::opendir(posizione.cartella.c_str());
    if (cartella == nullptr) {
        return;
    }
    const std::string_view prefisso =
        std::string_view(posizione.prefissoTemporanei).substr(posizione.cartella.size() + 1);
    const std::time_t limite = std::time(nullptr) - SecondiTemporaneoAbbandonato;
    while (const dirent* voce = ::readdir(cartella)) {
        struct stat stato {};
        if (ÈTemporaneo(voce->d_name, prefisso) &&
            ::fstatat(::dirfd(cartella), voce->d_name, &stato, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(stato.st_mode) && stato.st_uid == ::geteuid() && stato.st_mtime < limite) {
            chiamate.Rimuovi((posizione.cartella + "/" + voce->d_name).c_str());
        }
    }
    ::closedir(cartella);
}

struct Temporaneo {
    std::string nome;
    int file = -1;
};

// Creates a new temporary, readable by the owner only until it is complete; the errno of the
// failure, or 0.
int CreaTemporaneo(const Posizione& posizione, ChiamateFile& chiamate, Temporaneo& temporaneo) {
    std::random_device casuale;
    std::uniform_int_distribution<std::size_t> lettera(0, Alfabeto.size() - 1);
    for (int tentativo = 0; tentativo < TentativiNomeTemporaneo; ++tentativo) {
        std::string nome = posizione.prefissoTemporanei;
        for (std::size_t i = 0; i < LettereCasuali; ++i) {
            nome += Alfabeto[lettera(casuale)];
        }
        nome.append(Estensione);
        const int file = chiamate.Apri(nome.c_str(), O_WRONLY | O_CREAT | O_EXCL, ModoTemporaneo);
        if (file >= 0) {
            temporaneo = {std::move(nome), file};
            return 0;
        }
        if (errno != EEXIST) {
            return errno;
        }
    }
    return EEXIST;
}

int ScriviTutto(ChiamateFile& chiamate, int file, std::string_view contenuto) {
    while (!contenuto.empty()) {
        const ssize_t scritti = chiamate.Scrivi(file, contenuto.data(), contenuto.size());
        if (scritti < 0 && errno != EINTR) {
            return errno;
        }
        if (scritti == 0) {
            return EIO;
        }
        if (scritti > 0) {
            contenuto.remove_prefix(static_cast<std::size_t>(scritti));
        }
    }
    return 0;
}

int Sincronizza(ChiamateFile& chiamate, int file) {
    return chiamate.Sincronizza(file) == 0 ? 0 : errno;
}

int SincronizzaCartella(ChiamateFile& chiamate, const std::string& cartella) {
    const int file = chiamate.Apri(cartella.c_str(), O_RDONLY | O_DIRECTORY, 0);
    if (file < 0) {
        return errno;
    }
    const int errore = Sincronizza(chiamate, file);
    chiamate.Chiudi(file);
    return errore;
}

mode_t ModoNuovo() {
    const mode_t maschera = ::umask(0);
    ::umask(maschera);
    return ModoNuovoFile & ~maschera;
}

// Gives the complete temporary the mode, owner and group the file it replaces had.
int Adegua(ChiamateFile& chiamate, int file, const struct stat* vecchio) {
    if (vecchio != nullptr &&
        chiamate.CambiaProprietario(file, vecchio->st_uid, vecchio->st_gid) != 0 &&
        errno != EPERM) {
        return errno;
    }
    const mode_t modo = vecchio != nullptr ? vecchio->st_mode & BitModo : ModoNuovo();
    return chiamate.CambiaModo(file, modo) == 0 ? 0 : errno;
}

// A read-only file is not replaced behind the user's back, even in a folder that allows it.
int ProvaScrittura(ChiamateFile& chiamate, const std::string& percorso) {
    const int file = chiamate.Apri(percorso.c_str(), O_WRONLY, 0);
    if (file < 0) {
        return errno;
    }
    chiamate.Chiudi(file);
    return 0;
}

int LeggiTutto(const std::string& percorso, std::string& contenuto) {
    const int file = ::open(percorso.c_str(), O_RDONLY | O_CLOEXEC);
    if (file < 0) {
        return errno;
    }
    char blocco[65536];
    int errore = 0;
    for (;;) {
        const ssize_t letti = ::read(file, blocco, sizeof blocco);
        if (letti < 0 && errno == EINTR) {
            continue;
        }
        if (letti <= 0) {
            errore = letti < 0 ? errno : 0;
            break;
        }
        contenuto.append(blocco, static_cast<std::size_t>(letti));
    }
    ::close(file);
    return errore;
}

// Replaces the content of an open file with contenuto, up to the disk.
int RiscriviFile(ChiamateFile& chiamate, int file, std::string_view contenuto) {
    if (::lseek(file, 0, SEEK_SET) < 0 || chiamate.Tronca(file, 0) != 0) {
        return errno;
    }
    const int errore = ScriviTutto(chiamate, file, contenuto);
    return errore != 0 ? errore : Sincronizza(chiamate, file);
}

int ChiudiTemporaneo(ChiamateFile& chiamate, Temporaneo& temporaneo, int errore) {
    if (chiamate.Chiudi(temporaneo.file) != 0 && errore == 0) {
        errore = errno;
    }
    if (errore != 0) {
        chiamate.Rimuovi(temporaneo.nome.c_str());
    }
    return errore;
}

// A rename would leave the other hard links with the old content, so the file is rewritten in
// place; a synced copy of the old content keeps it safe until the new one is on disk.
EsitoScrittura RiscriviSulPosto(ChiamateFile& chiamate, const std::string& percorso,
                                const Posizione& posizione, std::string_view contenuto) {
    Temporaneo copia;
    if (const int errore = CreaTemporaneo(posizione, chiamate, copia)) {
        return Fallimento(errore, true);
    }
    std::string vecchio;
    int errore = LeggiTutto(percorso, vecchio);
    if (errore == 0) {
        errore = ScriviTutto(chiamate, copia.file, vecchio);
    }
    if (errore == 0) {
        errore = Sincronizza(chiamate, copia.file);
    }
    if (errore == 0) {
        errore = SincronizzaCartella(chiamate, posizione.cartella);
    }
    errore = ChiudiTemporaneo(chiamate, copia, errore);
    if (errore != 0) {
        return Fallimento(errore);
    }
    const int file = chiamate.Apri(percorso.c_str(), O_WRONLY, 0);
    if (file < 0) {
        errore = errno;
        chiamate.Rimuovi(copia.nome.c_str());
        return Fallimento(errore);
    }
    errore = RiscriviFile(chiamate, file, contenuto);
    const bool ripristinato = errore == 0 || RiscriviFile(chiamate, file, vecchio) == 0;
    chiamate.Chiudi(file);
    // When the old content could not be put back, the copy is the only place it survives.
    if (ripristinato) {
        chiamate.Rimuovi(copia.nome.c_str());
        SincronizzaCartella(chiamate, posizione.cartella);
    }
    return errore == 0 ? EsitoScrittura{} : Fallimento(errore);
}

} // namespace

EsitoScrittura ScritturaAtomica(const std::string& percorso, std::string_view contenuto,
                                ChiamateFile& chiamate) {
    int errore = 0;
    const auto destinazione = Risolto(percorso, errore);
    if (!destinazione) {
        return Fallimento(errore);
    }
    const auto posizione = PosizioneDi(*destinazione);
    if (!posizione) {
        return {MotivoErrore::Altro};
    }
    struct stat vecchio {};
    const bool esiste = ::stat(destinazione->c_str(), &vecchio) == 0;
    if (!esiste && errno != ENOENT) {
        return Fallimento(errno);
    }
    if (esiste && !S_ISREG(vecchio.st_mode)) {
        return {MotivoErrore::Altro};
    }
    RimuoviAbbandonati(*posizione, chiamate);
    if (esiste && vecchio.st_nlink > 1) {
        return RiscriviSulPosto(chiamate, *destinazione, *posizione, contenuto);
    }
    Temporaneo temporaneo;
    if (const int creazione = CreaTemporaneo(*posizione, chiamate, temporaneo)) {
        return Fallimento(creazione, true);
    }
    errore = esiste ? ProvaScrittura(chiamate, *destinazione) : 0;
    if (errore == 0) {
        errore = ScriviTutto(chiamate, temporaneo.file, contenuto);
    }
    if (errore == 0) {
        errore = Adegua(chiamate, temporaneo.file, esiste ? &vecchio : nullptr);
    }
    if (errore == 0) {
        errore = Sincronizza(chiamate, temporaneo.file);
    }
    errore = ChiudiTemporaneo(chiamate, temporaneo, errore);
    if (errore != 0) {
        return Fallimento(errore);
    }
    if (chiamate.Rinomina(temporaneo.nome.c_str(), destinazione->c_str()) != 0) {
        errore = errno;
        chiamate.Rimuovi(temporaneo.nome.c_str());
        return Fallimento(errore);
    }
    // The new content is in place: a folder that cannot be synced does not undo the save.
    SincronizzaCartella(chiamate, posizione->cartella);
    return {};
}

} // namespace paretix
