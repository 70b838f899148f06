#include "core/window/file_recenti.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "core/files/scrittura_atomica.h"

namespace paretix {

namespace {

// The form in which two spellings of one path compare equal ("/a/./b.css" is "/a/b.css").
std::string Normale(const std::string& percorso) {
    return std::filesystem::path(percorso).lexically_normal().string();
}

// A path that one line cannot hold is not kept.
bool UnaRiga(const std::string& percorso) {
    return !percorso.empty() && percorso.find_first_of("\r\n") == std::string::npos;
}

} // namespace

std::string MessaggioFileRecenteMancante(const std::string& percorso) {
    return PrefissoFileRecenteMancante + percorso + SuffissoFileRecenteMancante;
}

void ElencoFileRecenti::Carica(std::string elenco) {
    elenco_ = std::move(elenco);
    percorsi_.clear();
    if (elenco_.empty()) {
        return;
    }
    std::ifstream file(elenco_, std::ios::binary);
    std::string riga;
    while (percorsi_.size() < NumeroFileRecenti && std::getline(file, riga)) {
        if (UnaRiga(riga) &&
            std::find(percorsi_.begin(), percorsi_.end(), Normale(riga)) == percorsi_.end()) {
            percorsi_.push_back(Normale(riga));
        }
    }
}

void ElencoFileRecenti::Aggiungi(const std::string& percorso) {
    if (!UnaRiga(percorso)) {
        return;
    }
    const std::string p = Normale(percorso);
    std::erase(percorsi_, p);
    percorsi_.insert(percorsi_.begin(), p);
    if (percorsi_.size() > NumeroFileRecenti) {
        percorsi_.resize(NumeroFileRecenti);
    }
    Scrivi();
}

void ElencoFileRecenti::Togli(const std::string& percorso) {
    if (std::erase(percorsi_, Normale(percorso)) > 0) {
        Scrivi();
    }
}

void ElencoFileRecenti::Scrivi() const {
    if (elenco_.empty()) {
        return;
    }
    std::string contenuto;
    for (const std::string& p : percorsi_) {
        contenuto += p + '\n';
    }
    // The list is a convenience: when it cannot be written the program goes on without it.
    std::error_code errore;
    std::filesystem::create_directories(std::filesystem::path(elenco_).parent_path(), errore);
    ScritturaAtomica(elenco_, contenuto);
}

} // namespace paretix
