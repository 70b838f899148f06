#pragma once
// System calls of a save that can be told to fail, and that record what the save did.

#include <sys/types.h>

#include <cerrno>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/files/scrittura_atomica.h"

namespace paretix::test {

class ChiamateFinte : public ChiamateFile {
  public:
    // The calls numbered volte (from 1) among those named chiamata fail with errore.
    ChiamateFinte(std::string chiamata = {}, int errore = 0, std::set<int> volte = {1})
        : guasta_(std::move(chiamata)), errore_(errore), volte_(std::move(volte)) {}

    // One line per call: its name and the path it worked on ("Rinomina" names the source).
    std::vector<std::string> Registro;
    // The options and mode of every Apri, in order.
    std::vector<std::pair<int, mode_t>> Aperture;
    std::vector<mode_t> Modi;

    int Apri(const char* percorso, int opzioni, mode_t modo) override {
        Aperture.emplace_back(opzioni, modo);
        if (Guasto("Apri", percorso)) {
            return -1;
        }
        const int file = ChiamateFile::Apri(percorso, opzioni, modo);
        if (file >= 0) {
            percorsi_[file] = percorso;
        }
        return file;
    }
    ssize_t Scrivi(int file, const void* dati, std::size_t quanti) override {
        return Guasto("Scrivi", percorsi_[file]) ? -1 : ChiamateFile::Scrivi(file, dati, quanti);
    }
    int Sincronizza(int file) override {
        return Guasto("Sincronizza", percorsi_[file]) ? -1 : ChiamateFile::Sincronizza(file);
    }
    int Tronca(int file, off_t lunghezza) override {
        return Guasto("Tronca", percorsi_[file]) ? -1 : ChiamateFile::Tronca(file, lunghezza);
    }
    int CambiaModo(int file, mode_t modo) override {
        Modi.push_back(modo);
        return Guasto("CambiaModo", percorsi_[file]) ? -1 : ChiamateFile::CambiaModo(file, modo);
    }
    int CambiaProprietario(int file, uid_t utente, gid_t gruppo) override {
        return Guasto("CambiaProprietario", percorsi_[file])
                   ? -1
                   : ChiamateFile::CambiaProprietario(file, utente, gruppo);
    }
    int Chiudi(int file) override {
        const bool guasto = Guasto("Chiudi", percorsi_[file]);
        const int esito = ChiamateFile::Chiudi(file); // the descriptor is gone either way
        percorsi_.erase(file);
        return guasto ? -1 : esito;
    }
    int Rinomina(const char* da, const char* a) override {
        return Guasto("Rinomina", da) ? -1 : ChiamateFile::Rinomina(da, a);
    }
    int Rimuovi(const char* percorso) override {
        return Guasto("Rimuovi", percorso) ? -1 : ChiamateFile::Rimuovi(percorso);
    }

  private:
    bool Guasto(const std::string& chiamata, const std::string& percorso) {
        Registro.push_back(chiamata + " " + percorso);
        if (chiamata != guasta_) {
            return false;
        }
        if (volte_.count(++contate_) == 0) {
            return false;
        }
        errno = errore_;
        return true;
    }

    std::string guasta_;
    int errore_;
    std::set<int> volte_;
    int contate_ = 0;
    std::map<int, std::string> percorsi_;
};

} // namespace paretix::test
