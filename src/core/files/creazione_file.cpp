#include "core/files/creazione_file.h"
#include "core/model/a_capo.h"

#include <string_view>

#include "core/files/dati_aggiuntivi.h"
#include "core/files/formato_esercizio.h"
#include "core/files/scrittura_atomica.h"
#include "core/files/win1252.h"

namespace paretix {

namespace {

// Builds the file's text in UTF-8, one line at a time.
class Righe {
  public:
    // A one-line value: a line break in it would shift every following line of the file.
    void Riga(std::string_view testo) {
        if (testo.find_first_of("\r\n") != std::string_view::npos) {
            valido_ = false;
        }
        testo_.append(testo);
        testo_.append(ACapo);
    }
    void SiNo(bool valore) { Riga(valore ? "1" : "0"); }
    // A colour as the platform prints a number to a text file: sign or blank, digits, blank.
    void Colore(std::int32_t valore) {
        Riga((valore < 0 ? "" : " ") + std::to_string(valore) + " ");
    }
    // The notes: every line break, whichever it was, becomes CR LF; one CR LF ends them.
    void Appunti(std::string_view testo) {
        for (std::size_t i = 0; i < testo.size(); ++i) {
            if (testo[i] == '\r') {
                if (i + 1 < testo.size() && testo[i + 1] == '\n') {
                    ++i;
                }
                testo_.append(ACapo);
            } else if (testo[i] == '\n') {
                testo_.append(ACapo);
            } else {
                testo_.push_back(testo[i]);
            }
        }
        testo_.append(ACapo);
    }

    std::optional<std::string> Win1252() const {
        if (!valido_) {
            return std::nullopt;
        }
        return Utf8AWin1252(testo_);
    }

  private:
    std::string testo_;
    bool valido_ = true;
};

void ScriviCasella(Righe& r, const char* titolo, const Casella& c) {
    r.Riga(titolo);
    r.Riga(c.Testo);
    r.Riga(c.Suggerimento);
    r.Colore(c.ColoreSfondo);
    r.SiNo(c.Bloccato);
    r.Riga(SeparatoreEsercizio);
}

void ScriviStrato(Righe& r, const Strato& s, int k) {
    r.Riga(SeparatoreEsercizio);
    r.Riga(TitoloTipoStrato(k));
    r.Riga(s.TipoStrato);
    r.Riga(s.Materiale);
    r.Colore(s.ColoreTipo);
    r.Riga(SeparatoreEsercizio);
    ScriviCasella(r, TitoloDensità, s.Densità);
    r.Riga(TitoloSpessore);
    r.Riga(s.Spessore.Testo);
    r.Riga(s.Spessore.Suggerimento);
    r.Riga(SeparatoreEsercizio);
    ScriviCasella(r, TitoloConduttività, s.Conduttività);
    ScriviCasella(r, TitoloPermeabilità, s.Permeabilità);
    ScriviCasella(r, TitoloFatAssorbimento, s.FatAssorbimento);
}

} // namespace

std::optional<std::string> ContenutoFileEsercizio(const Esercizio& e) {
    // A count outside 1 to 15 would make a file that no copy of the program opens.
    if (e.NumeroStrati() < 1 || e.NumeroStrati() > NumeroStratiMax) {
        return std::nullopt;
    }
    const bool datiAggiuntivi = HaDatiAggiuntivi(e);
    Righe r;
    r.Riga(TitoloVersione);
    r.Riga(datiAggiuntivi ? VersioneFileEsercizioDatiAggiuntivi : VersioneFileEsercizio);
    r.Riga(SeparatoreEsercizio);
    r.Riga(TitoloTipoCalcolo);
    r.SiNo(e.Termico);
    r.SiNo(e.Igrometrico);
    r.SiNo(e.Acustico);
    r.Riga(SeparatoreEsercizio);
    r.Riga(TitoloNumeroStrati);
    r.Riga(std::to_string(e.NumeroStrati()));
    r.Riga(SeparatoreEsercizio);
    r.Riga(TitoloLiminari);
    r.Riga(e.LiminariInterno);
    r.Riga(e.LiminariEsterno);
    r.Riga(SeparatoreEsercizio);
    r.Riga(TitoloTemperature);
    r.Riga(e.TInterna);
    r.Riga(e.TEsterna);
    r.Riga(SeparatoreEsercizio);
    r.Riga(TitoloUmidità);
    r.Riga(e.UInterna);
    r.Riga(e.UEsterna);
    r.Riga(SeparatoreEsercizio);
    r.Riga(TitoloDisturboSonoro);
    r.SiNo(e.UnitaDistSonoro == UnitaSuono::Decibel);
    r.SiNo(e.UnitaDistSonoro == UnitaSuono::Watt);
    r.Riga(e.DistSonoro);
    r.Riga(SeparatoreEsercizio);
    for (int k = 1; k <= e.NumeroStrati(); ++k) {
        ScriviStrato(r, e.strato(k), k);
    }
    if (datiAggiuntivi) {
        r.Riga(TitoloDatiAggiuntivi);
        for (const std::string& riga : RigheDatiAggiuntivi(e)) {
            r.Riga(riga);
        }
        r.Riga(SeparatoreEsercizio);
    }
    r.Riga(TitoloAppunti);
    r.Appunti(e.Appunti);
    return r.Win1252();
}

EsitoScrittura CreazioneFile(const Esercizio& e, const std::string& PercorsoFile) {
    const auto contenuto = ContenutoFileEsercizio(e);
    if (!contenuto) {
        return {MotivoErrore::Altro};
    }
    return ScritturaAtomica(PercorsoFile, *contenuto);
}

} // namespace paretix
