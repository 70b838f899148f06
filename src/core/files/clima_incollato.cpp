#include "core/files/clima_incollato.h"

#include <algorithm>
#include <charconv>
#include <system_error>
#include <vector>

#include "core/files/righe.h"
#include "core/model/limiti_clima.h"

namespace paretix {

namespace {

struct RigaIncollata {
    int Numero = 0; // the row of the pasted text, from 1
    std::vector<std::string_view> Celle;
};

std::string_view SenzaSpazi(std::string_view testo) {
    const auto inizio = testo.find_first_not_of(" \t");
    if (inizio == std::string_view::npos) {
        return {};
    }
    return testo.substr(inizio, testo.find_last_not_of(" \t") - inizio + 1);
}

bool Cifra(char c) {
    return c >= '0' && c <= '9';
}

std::optional<double> Numero(std::string_view testo) {
    testo = SenzaSpazi(testo);
    std::string semplice;
    std::size_t i = 0;
    if (i < testo.size() && (testo[i] == '+' || testo[i] == '-')) {
        if (testo[i] == '-') {
            semplice.push_back('-');
        }
        ++i;
    }
    bool cifre = false;
    bool decimale = false;
    for (; i < testo.size(); ++i) {
        const char c = testo[i];
        if (Cifra(c)) {
            semplice.push_back(c);
            cifre = true;
        } else if ((c == ',' || c == '.') && !decimale) {
            semplice.push_back('.');
            decimale = true;
        } else {
            return std::nullopt;
        }
    }
    if (!cifre) {
        return std::nullopt;
    }
    if (semplice.back() == '.') {
        semplice.push_back('0');
    }
    double valore = 0;
    const char* fine = semplice.data() + semplice.size();
    const auto [ptr, ec] = std::from_chars(semplice.data(), fine, valore);
    if (ptr != fine || ec != std::errc()) {
        return std::nullopt;
    }
    return valore;
}

std::optional<double> Umidita(std::string_view testo) {
    testo = SenzaSpazi(testo);
    if (testo.ends_with('%')) {
        testo.remove_suffix(1);
    }
    return Numero(testo);
}

bool HaLettera(std::string_view testo) {
    for (const char c : testo) {
        const auto u = static_cast<unsigned char>(c);
        if ((u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || u >= 0x80) {
            return true;
        }
    }
    return false;
}

std::vector<RigaIncollata> Righe(std::string_view testo) {
    const char separatore = testo.find('\t') != std::string_view::npos ? '\t' : ';';
    std::vector<RigaIncollata> righe;
    LettoreRighe lettore(testo);
    int numero = 0;
    while (const auto riga = lettore.Prossima()) {
        ++numero;
        if (SenzaSpazi(*riga).empty()) {
            continue;
        }
        RigaIncollata r{numero, {}};
        std::size_t inizio = 0;
        while (true) {
            const std::size_t fine = riga->find(separatore, inizio);
            r.Celle.push_back(SenzaSpazi(riga->substr(inizio, fine - inizio)));
            if (fine == std::string_view::npos) {
                break;
            }
            inizio = fine + 1;
        }
        while (!r.Celle.empty() && r.Celle.back().empty()) {
            r.Celle.pop_back();
        }
        righe.push_back(std::move(r));
    }
    return righe;
}

bool Intestazione(const RigaIncollata& riga) {
    for (const auto cella : riga.Celle) {
        if (std::any_of(cella.begin(), cella.end(), Cifra)) {
            return false;
        }
    }
    return true;
}

// Reads one row, the month mese (from 1), into clima; the reason when it is not one.
std::optional<std::string> LetturaRiga(const RigaIncollata& riga, int mese, ClimaMese& clima) {
    const std::string inizio = "Riga " + std::to_string(riga.Numero) + ": ";
    const auto& celle = riga.Celle;
    if (celle.size() != 2 && celle.size() != 3) {
        return inizio + "attese 2 colonne (θe, φe), eventualmente precedute dal mese, trovate " +
               std::to_string(celle.size());
    }
    if (celle.size() == 3 && !HaLettera(celle[0]) && Numero(celle[0]) != mese) {
        return inizio + "la prima di tre colonne " + CampoCitato(celle[0]) +
               " non è il mese della riga (atteso " + std::to_string(mese) + " o il suo nome)";
    }
    const std::string_view testoTemperatura = celle[celle.size() - 2];
    const std::string_view testoUmidita = celle[celle.size() - 1];
    const auto temperatura = Numero(testoTemperatura);
    if (!temperatura) {
        return inizio + "temperatura non numerica " + CampoCitato(testoTemperatura);
    }
    if (!TemperaturaClimaAmmessa(*temperatura)) {
        return inizio + TemperaturaFuoriCampo(testoTemperatura);
    }
    const auto umidita = Umidita(testoUmidita);
    if (!umidita) {
        return inizio + "umidità relativa non numerica " + CampoCitato(testoUmidita);
    }
    if (!UmiditàClimaAmmessa(*umidita)) {
        return inizio + UmiditàFuoriCampo(testoUmidita);
    }
    clima = {*temperatura, *umidita};
    return std::nullopt;
}

} // namespace

std::optional<std::string> LetturaClimaIncollato(std::string_view testo, ClimaAnno& clima) {
    std::vector<RigaIncollata> righe = Righe(testo);
    if (!righe.empty() && Intestazione(righe.front())) {
        righe.erase(righe.begin());
    }
    if (righe.size() != MesiAnno) {
        return "Incollate " + std::to_string(righe.size()) +
               " righe di dati: attese 12, da gennaio a dicembre";
    }
    ClimaAnno letto;
    for (std::size_t m = 0; m < righe.size(); ++m) {
        if (auto errore = LetturaRiga(righe[m], static_cast<int>(m) + 1, letto[m])) {
            return errore;
        }
    }
    clima = letto;
    return std::nullopt;
}

} // namespace paretix
