#include "cli/uscita.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "core/files/testo_terminale.h"

namespace paretix::cli {

namespace {

constexpr std::string_view ScritturaFallita = "impossibile scrivere il resoconto: ";

// The reason of a failed write in the program's language; the system's text for the rare rest.
std::string MotivoScrittura(int numero) {
    switch (numero) {
    case EPIPE:
        return "il programma che legge l'uscita l'ha chiusa";
    case ENOSPC:
        return "spazio esaurito sul disco";
    case EBADF:
        return "lo standard output è chiuso";
    case EIO:
        return "errore di input/output";
    default:
        return std::strerror(numero);
    }
}

// A terminal would act on control characters that a crafted file puts in a material name, the
// notes or its own name; a pipe or a file gets the bytes exactly.
std::string PerIlFlusso(std::FILE* flusso, std::string_view testo) {
    if (isatty(fileno(flusso)) == 1) {
        return TestoPerTerminale(testo);
    }
    return std::string(testo);
}

} // namespace

bool Scrivi(std::FILE* flusso, std::string_view testo) {
    const std::string uscita = PerIlFlusso(flusso, testo);
    return std::fwrite(uscita.data(), 1, uscita.size(), flusso) == uscita.size();
}

void Errore(std::string_view testo) {
    Scrivi(stderr, testo);
    Scrivi(stderr, "\n");
}

int ScriviUscita(const std::string& testo) {
    errno = 0;
    if (!Scrivi(stdout, testo) || std::fflush(stdout) != 0 || std::ferror(stdout)) {
        Errore(std::string(ScritturaFallita) + MotivoScrittura(errno));
        return EsitoScritturaFallita;
    }
    return EsitoRiuscito;
}

} // namespace paretix::cli
