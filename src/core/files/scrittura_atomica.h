#pragma once
// Replacing a file's whole content so that a failure never leaves it damaged: the bytes go to
// a new file in the same folder, which then takes the old one's place by a rename.

#include <sys/types.h>

#include <string>
#include <string_view>

#include "core/files/esito_scrittura.h"

namespace paretix {

// The system calls a save makes to change the disk; each returns what its POSIX namesake
// returns and sets errno the same way. Tests replace single calls to make them fail.
class ChiamateFile {
  public:
    virtual ~ChiamateFile() = default;
    virtual int Apri(const char* percorso, int opzioni, mode_t modo);
    virtual ssize_t Scrivi(int file, const void* dati, std::size_t quanti);
    virtual int Sincronizza(int file);
    virtual int Tronca(int file, off_t lunghezza);
    virtual int CambiaModo(int file, mode_t modo);
    virtual int CambiaProprietario(int file, uid_t utente, gid_t gruppo);
    virtual int Chiudi(int file);
    virtual int Rinomina(const char* da, const char* a);
    virtual int Rimuovi(const char* percorso);
};

// The real system calls.
ChiamateFile& ChiamateDiSistema();

// A temporary file of the save of destinazione is named ".<name>.paretix-<6 random
// characters>.tmp" in the same folder; one left behind by an interrupted save is removed by a
// later save of the same file once it is older than this, and only when it belongs to the user
// saving.
inline constexpr int SecondiTemporaneoAbbandonato = 60;

// Writes contenuto as the whole content of the file percorso and tells why it could not. On
// failure the previous file, if any, is untouched and no temporary file remains.
//
// A new file gets the mode 0666 less the umask; an existing one keeps its mode and, where the
// process may, its owner and group. A symbolic link (or a chain of them) keeps pointing where
// it did: the file it ends at is replaced, or created when missing. A file with more than one
// hard link is rewritten in place, after its old content is saved in a temporary copy that
// restores it if the rewrite fails. The content is on disk (fsync) before the call returns.
EsitoScrittura ScritturaAtomica(const std::string& percorso, std::string_view contenuto,
                                ChiamateFile& chiamate = ChiamateDiSistema());

} // namespace paretix
