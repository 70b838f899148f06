#pragma once
// A session of the main window as a transcript (trascrizione.h) under tests/data/core-h1/finestra:
// each input "command arguments" is run as a user would, and the answer is what the window did:
// the dialogs it showed, the value a command returned, the state it was asked to dump. The
// temporary folder is written "<cartella>".

#include <gtest/gtest.h>

#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <sys/stat.h>

#include "core/files/apertura_file.h"
#include "core/files/creazione_file.h"
#include "core/window/finestra_principale.h"
#include "support/cartella_temporanea.h"
#include "support/dialoghi_registrati.h"
#include "support/parete_di_prova.h"
#include "trascrizione.h"

namespace paretix::test {

class SessioneFinestra {
  public:
    CartellaTemporanea cartella;
    DialoghiRegistrati dialoghi;
    std::unique_ptr<FinestraPrincipale> finestra = std::make_unique<FinestraPrincipale>(dialoghi);
    FinestraPrincipale& F() { return *finestra; }
    std::function<void(const std::string&, const std::string&)> AltriComandi;

    // Runs the script tests/data/core-h1/finestra/<nome>.txt and compares its transcript.
    void Esegui(const std::string& nome) {
        ExpectTrascrizione("core-h1/finestra/" + nome + ".txt", [this](const std::string& riga) {
            righe_.clear();
            const std::size_t spazio = riga.find(' ');
            Comando(riga.substr(0, spazio),
                    spazio == std::string::npos ? "" : riga.substr(spazio + 1));
            for (; mostrati_ < dialoghi.Mostrati.size(); ++mostrati_) {
                const auto& v = dialoghi.Mostrati[mostrati_];
                Scrivi("dialogo: " + v.Titolo + " | " + v.Testo + " | " + Icone[int(v.Tipo)]);
            }
            return righe_;
        });
    }

    std::string Percorso(const std::string& nome) const {
        return nome.starts_with('/') ? nome : cartella / nome;
    }
    void Scrivi(std::string s) {
        for (std::size_t i; (i = s.find(cartella.Percorso())) != std::string::npos;) {
            s.replace(i, cartella.Percorso().size(), "<cartella>");
        }
        righe_.push_back(s);
    }
    void Esito(bool valore) { Scrivi(valore ? "-> vero" : "-> falso"); }

  private:
    static constexpr const char* Icone[] = {"critica", "esclamazione", "informazione", "domanda"};
    std::vector<std::string> righe_;
    std::size_t mostrati_ = 0;
    std::unique_ptr<ComeUtenteQualsiasi> nobody_;
    Esercizio ricordato_;

    static std::string Sì(bool b) { return b ? "sì" : "no"; }

    void Stato() {
        FinestraPrincipale& f = F();
        const StatoFinestra& s = f.Stato();
        const Esercizio& e = f.esercizio();
        std::string tipi, spessori;
        for (const Strato& st : e.Strati) {
            tipi += st.TipoStrato;
            spessori += (tipi.size() > 1 ? " | " : "") + st.Spessore.Testo;
        }
        Scrivi("caption: " + s.Caption);
        Scrivi("modificato: " + Sì(s.Modificato == Si) + ", file: " + s.PercorsoEsercizio);
        Scrivi("strati: " + tipi + ", spessori: " + spessori + ", Ti: " + e.TInterna);
        Scrivi("esercizio nuovo: " + Sì(e == Esercizio{}) + ", risultati: " + Sì(!s.Text2.empty()) +
               ", grafici: " + Sì(s.GraficiDisegnati) +
               ", vista: " + std::to_string(int(s.Option2)));
        Scrivi("calcola: " + Sì(s.Command1Abilitato) + ", stampa: " + Sì(s.StampaAbilitata) +
               ", tipi: " + Sì(s.Check1Abilitato[0]) + Sì(s.Check1Abilitato[1]) +
               Sì(s.Check1Abilitato[2]) +
               ", annulla chiusura: " + std::to_string(s.AnnullaChiusura) +
               ", cornice suono: " + Sì(s.Schema.FrameNero[CorniceSuono].Visibile));
    }

    static std::string Di(const Casella& c) {
        return "\"" + c.Testo + "\" \"" + c.Suggerimento + "\" " + std::to_string(c.ColoreSfondo) +
               (c.Bloccato ? " bloccata" : " libera");
    }
    // Layer solo, or every layer (0): its kind and drawing, then its five boxes.
    void Strati(int solo) {
        const Esercizio& e = F().esercizio();
        for (int k = solo > 0 ? solo : 1; k <= (solo > 0 ? solo : e.NumeroStrati()); ++k) {
            const Strato& s = e.strato(k);
            Scrivi("strato " + std::to_string(k) + ": " + s.TipoStrato + " \"" + s.Materiale +
                   "\", colore " + std::to_string(s.ColoreTipo) + ", riempimento " +
                   std::to_string(s.StileRiempimento) + ", conduttività visibile " +
                   Sì(s.ConduttivitàVisibile) + ", assorbimento visibile " +
                   Sì(s.FatAssorbimentoVisibile) + ", intonaco " + Sì(s.Intonaco) + ", c \"" +
                   s.CaloreSpecifico + "\"" + (s.CaloreSpecificoDaAbaco ? " da abaco" : "") +
                   ", sd \"" + s.Sd + "\"");
            Scrivi("  densità " + Di(s.Densità) + "; spessore " + Di(s.Spessore) +
                   "; conduttività " + Di(s.Conduttività));
            Scrivi("  permeabilità " + Di(s.Permeabilità) + "; assorbimento " +
                   Di(s.FatAssorbimento));
        }
    }

    void Comando(const std::string& c, const std::string& a) {
        FinestraPrincipale& f = F();
        std::istringstream arg(a);
        int k = 0;
        std::string resto;
        if (c == "spessore" || c == "conduttivita" || c == "permeabilita" || c == "densita") {
            arg >> k;
            std::getline(arg >> std::ws, resto);
        }
        const std::map<std::string, std::function<void()>> comandi{
            {"spessore", [&] { f.TextSpessore_Change(k, resto); }},
            {"conduttivita", [&] { f.TextConduttività_Change(k, resto); }},
            {"permeabilita", [&] { f.TextPermeabilità_Change(k, resto); }},
            {"densita", [&] { f.TextDensità_Change(k, resto); }},
            {"ti", [&] { f.TextTInterna_Change(a); }},
            {"ui", [&] { f.TextUInterna_Change(a); }},
            {"ue", [&] { f.TextUEsterna_Change(a); }},
            {"suono", [&] { f.TextDistSonoro_Change(a); }},
            {"appunti", [&] { f.TextAppunti_Change(a); }},
            {"check1", [&] { f.Check1_Click(a[0] - '0', a[2] == '1'); }},
            {"option2", [&] { f.Option2_Click(std::stoi(a)); }},
            {"piu", [&] { f.CommandPiù_Click(); }},
            {"calcola", [&] { f.Command1_Click(); }},
            {"nuovo", [&] { f.NuovoProgetto_Click(); }},
            {"nuovo-vuoto", [&] { f.NuovoProgettoVuoto(); }},
            {"apri", [&] { f.ApriProgetto_Click(); }},
            {"apri0", [&] { f.ApriProgetto0(); }},
            {"salva", [&] { f.Salva_Click(); }},
            {"salva-con-nome", [&] { f.SalvaConNome_Click(); }},
            {"salva1", [&] { Esito(f.Salva1()); }},
            {"salvare-con-nome1", [&] { Esito(f.SalvareConNome1()); }},
            {"esci", [&] { Esito(f.Esci_Click()); }},
            {"esci-definitivamente", [&] { Esito(f.EsciDefinitivamente()); }},
            {"chiudi", [&] { Esito(f.Form_Unload()); }},
            {"recente", [&] { f.ApriRecente_Click(std::stoi(a)); }},
            {"stato", [&] { Stato(); }},
            {"risposte",
             [&] {
                 for (std::string r; arg >> r;) {
                     dialoghi.Risposte.push_back(r == "si"   ? Risposta::Si
                                                 : r == "no" ? Risposta::No
                                                             : Risposta::Annulla);
                 }
             }},
            {"file",
             [&] {
                 dialoghi.FileScelti.push_back(a == "annulla" ? std::nullopt
                                                              : std::optional(Percorso(a)));
             }},
            {"proposti",
             [&] {
                 for (const std::string& p : dialoghi.Proposti) {
                     Scrivi("proposto: " + p);
                 }
             }},
            {"recenti",
             [&] {
                 for (const std::string& p : f.FileRecenti()) {
                     Scrivi("recente: " + p);
                 }
             }},
            {"scrivi",
             [&] {
                 std::string nome;
                 std::getline(arg >> nome >> std::ws, resto);
                 ScriviTutto(Percorso(nome), resto);
             }},
            // The first n lines of a file, into another.
            {"tronca",
             [&] {
                 std::string da, in;
                 int n = 0;
                 arg >> da >> in >> n;
                 const std::string testo = LeggiTutto(Percorso(da));
                 std::size_t fine = 0;
                 for (int i = 0; i < n; ++i) {
                     fine = testo.find("\r\n", fine) + 2;
                 }
                 ScriviTutto(Percorso(in), testo.substr(0, fine));
             }},
            {"avvio",
             [&] {
                 a == "vuoto" ? f.Form_Load({}) : f.Form_Load({"/opt/paretix", Si, true});
             }},
            {"costruisci", [&] { CostruisciParete(f, a); }},
            {"strato", [&] { f.LabelStrato_MouseDown(std::stoi(a)); }},
            {"meno", [&] { f.CommandMeno_Click(); }},
            {"elimina", [&] { f.EliminaStrato_Click(); }},
            {"inserisci-destra", [&] { f.InserisciStratoADestra_Click(); }},
            {"inserisci-sinistra", [&] { f.InserisciStratoASinistra_Click(); }},
            {"camera-aria", [&] { f.CameraAria_Click(); }},
            {"da-tastiera", [&] { f.DaTastiera_Click(); }},
            {"muove-su", [&] { f.MuoveSu(); }},
            {"verifiche", [&] { f.CheckVerifiche_Click(a == "1"); }},
            {"strati", [&] { Strati(a.empty() ? 0 : std::stoi(a)); }},
            {"recupero-in", [&] { f.ImpostaRecupero(Percorso(a)); }},
            {"timer-recupero", [&] { f.TimerRecupero_Timer(); }},
            {"annulla", [&] { f.Annulla_Click(); }},
            {"annulla-abilitato",
             [&] { Scrivi("annulla abilitato: " + Sì(f.AnnullaAbilitato())); }},
            // A new window after a crash, whose start-up finds the recovery file at a.
            {"riavvia",
             [&] {
                 finestra = std::make_unique<FinestraPrincipale>(dialoghi);
                 F().Form_Load({"/opt/paretix", Si, true});
                 F().ImpostaRecupero(Percorso(a));
                 F().OffriRipristino();
             }},
            // The file's modification time, in seconds since 1970.
            {"data",
             [&] {
                 std::string nome;
                 std::time_t t = 0;
                 arg >> nome >> t;
                 const timespec tempi[2] = {{t, 0}, {t, 0}};
                 EXPECT_EQ(::utimensat(AT_FDCWD, Percorso(nome).c_str(), tempi, 0), 0);
             }},
            {"recenti-in", [&] { f.ImpostaFileRecenti(Percorso(a)); }},
            // A new exercise whose layer 1 has the thickness given, written to a file.
            {"scrivi-esercizio",
             [&] {
                 std::string nome;
                 Esercizio e;
                 arg >> nome >> e.strato(1).Spessore.Testo;
                 Esito(static_cast<bool>(CreazioneFile(e, Percorso(nome))));
             }},
            {"vuota",
             [&] {
                 Scrivi("cartella vuota: " + Sì(std::filesystem::is_empty(cartella.Percorso())));
             }},
            {"ricorda", [&] { ricordato_ = f.esercizio(); }},
            {"come-ricordato", [&] { Scrivi(Sì(f.esercizio() == ricordato_)); }},
            {"nel-file",
             [&] {
                 Esercizio e;
                 const auto errore = AperturaFile(Percorso(a), e);
                 Scrivi(errore ? *errore
                               : "spessore 1: " + e.strato(1).Spessore.Testo +
                                     ", appunti: " + e.Appunti);
             }},
            {"esiste", [&] { Scrivi(Sì(std::filesystem::exists(Percorso(a)))); }},
            {"contenuto", [&] { Scrivi(LeggiTutto(Percorso(a))); }},
            {"sola-lettura", [&] { SolaLettura(Percorso(a)); }},
            {"permessi-tutti",
             [&] { std::filesystem::permissions(Percorso(a), std::filesystem::perms::all); }},
            {"rimuovi", [&] { std::filesystem::remove(Percorso(a)); }},
            {"nobody",
             [&] { nobody_ = a == "sì" ? std::make_unique<ComeUtenteQualsiasi>() : nullptr; }},
        };
        if (const auto i = comandi.find(c); i != comandi.end()) {
            i->second();
        } else if (AltriComandi) {
            AltriComandi(c, a);
        } else {
            ADD_FAILURE() << "comando sconosciuto: " << c;
        }
    }
};

} // namespace paretix::test
