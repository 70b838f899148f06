#pragma once
// Why a file could not be saved, and what the user is told about it.

#include <string>

namespace paretix {

enum class MotivoErrore {
    Nessuno,
    SolaLettura,      // the disk or file system is mounted read-only (EROFS)
    CartellaProtetta, // the folder does not let a new file be made in it (EACCES, EPERM)
    DiscoPieno,       // no space or quota left (ENOSPC, EDQUOT)
    PermessoNegato,   // the file itself may not be written (EACCES, EPERM)
    CartellaMancante, // a folder on the way does not exist or is not a folder (ENOENT, ENOTDIR)
    NomeTroppoLungo,  // ENAMETOOLONG
    FileInUso,        // ETXTBSY, EBUSY, EAGAIN
    Altro,
};

// The outcome of a save: true when the file was written.
struct EsitoScrittura {
    MotivoErrore Motivo = MotivoErrore::Nessuno;

    explicit operator bool() const { return Motivo == MotivoErrore::Nessuno; }
};

// The reason for a failed system call's errno; a folder that refuses a new file is told apart
// from a file that refuses to be written, since the user fixes them in different places.
MotivoErrore MotivoDaErrno(int numero, bool nellaCartella);

// A write-protected folder reads to the user like a write-protected disk; the same text is the
// answer when no better reason is known.
inline constexpr const char* DiscoProtetto =
    "Il disco è protetto dalla scrittura.\r\n"
    "Impossibile salvare il file su un disco protetto dalla scrittura.";
inline constexpr const char* DiscoPieno = "Il disco è pieno.\r\n"
                                          "Impossibile salvare il file: spazio esaurito sul disco.";
inline constexpr const char* PermessoNegato =
    "Permesso negato.\r\n"
    "Impossibile salvare il file: non si hanno i permessi di scrittura sul file.";
inline constexpr const char* CartellaMancante =
    "La cartella non esiste.\r\n"
    "Impossibile salvare il file in una cartella che non esiste.";
inline constexpr const char* NomeTroppoLungo =
    "Il nome del file è troppo lungo.\r\n"
    "Impossibile salvare il file: scegliere un nome o un percorso più breve.";
inline constexpr const char* FileInUso =
    "Il file è in uso o bloccato.\r\n"
    "Impossibile salvare il file: chiudere il programma che lo usa e riprovare.";

// The message after a failed save of an exercise: DiscoProtetto for a read-only disk or folder
// and for a reason not known, the matching text above otherwise. Empty for a save that worked.
std::string MessaggioSalvataggio(MotivoErrore motivo);

} // namespace paretix
