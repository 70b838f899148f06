#include "core/files/scrittura_atomica.h"

#include <cstdio>
#include <filesystem>
#include <optional>
#include <random>

namespace paretix {

namespace fs = std::filesystem;

namespace {

constexpr int TentativiNomeTemporaneo = 100;
// The temporary name repeats the start of the file name, short enough to stay a valid name.
constexpr std::size_t LunghezzaNomeBase = 64;

// Creates a new, hidden file beside destinazione, never one that already exists.
std::optional<fs::path> CreaTemporaneo(const fs::path& destinazione, std::FILE*& file) {
    std::random_device casuale;
    std::uniform_int_distribution<unsigned long> cifre(0, 0xFFFFFFFFul);
    for (int tentativo = 0; tentativo < TentativiNomeTemporaneo; ++tentativo) {
        char suffisso[16];
        std::snprintf(suffisso, sizeof suffisso, ".%08lx", cifre(casuale));
        const fs::path nome = destinazione.parent_path() /
                              ("." + destinazione.filename().string().substr(0, LunghezzaNomeBase) +
                               suffisso + ".tmp");
        file = std::fopen(nome.c_str(), "wbx");
        if (file != nullptr) {
            return nome;
        }
        std::error_code errore;
        if (!fs::exists(nome, errore)) {
            return std::nullopt; // the folder is missing or not writable: no point retrying
        }
    }
    return std::nullopt;
}

bool ScriviTutto(std::FILE* file, std::string_view contenuto) {
    const bool scritto =
        std::fwrite(contenuto.data(), 1, contenuto.size(), file) == contenuto.size();
    const bool svuotato = std::fflush(file) == 0;
    const bool chiuso = std::fclose(file) == 0;
    return scritto && svuotato && chiuso;
}

} // namespace

bool ScritturaAtomica(const std::string& percorso, std::string_view contenuto) {
    std::error_code errore;
    fs::path destinazione(percorso);
    if (fs::is_symlink(destinazione, errore)) {
        destinazione = fs::weakly_canonical(destinazione, errore);
        if (errore) {
            return false;
        }
    }
    if (destinazione.filename().empty()) {
        return false;
    }
    const fs::file_status stato = fs::status(destinazione, errore);
    const bool esiste = fs::exists(stato);
    if (esiste) {
        if (!fs::is_regular_file(stato)) {
            return false;
        }
        // A file the user may not write (read-only) is not replaced behind the user's back.
        std::FILE* prova = std::fopen(destinazione.c_str(), "ab");
        if (prova == nullptr) {
            return false;
        }
        std::fclose(prova);
    }
    std::FILE* file = nullptr;
    const auto temporaneo = CreaTemporaneo(destinazione, file);
    if (!temporaneo) {
        return false;
    }
    bool riuscito = ScriviTutto(file, contenuto);
    if (riuscito && esiste) {
        fs::permissions(*temporaneo, stato.permissions(), errore);
    }
    if (riuscito) {
        fs::rename(*temporaneo, destinazione, errore);
        riuscito = !errore;
    }
    if (!riuscito) {
        fs::remove(*temporaneo, errore);
    }
    return riuscito;
}

} // namespace paretix
