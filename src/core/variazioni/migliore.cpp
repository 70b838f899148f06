#include "core/variazioni/migliore.h"

#include <algorithm>
#include <array>
#include <utility>

#include "core/files/dati_aggiuntivi.h"
#include "core/model/numeri.h"
#include "core/model/validazione.h"
#include "core/verifiche/igrometrica.h"
#include "core/verifiche/indice_acustico.h"

namespace paretix {

namespace {

constexpr std::array<std::pair<std::string_view, Grandezza>, 8> NomiGrandezze{{
    {"U", Grandezza::U},
    {"R", Grandezza::R},
    {"flusso", Grandezza::Flusso},
    {"Rw", Grandezza::Rw},
    {"Ms", Grandezza::Ms},
    {"Yie", Grandezza::Yie},
    {"fRsi", Grandezza::FRsi},
    {"Ma", Grandezza::Ma},
}};
constexpr std::string_view Forma = "la forma è GRANDEZZA OPERATORE NUMERO, ad esempio U<=0,28, "
                                   "con GRANDEZZA una tra U, R, flusso, Rw, Ms, Yie, fRsi, Ma e "
                                   "OPERATORE uno tra < <= > >=";

std::string Prefisso(std::string_view testo) {
    return "--migliore " + std::string(testo) + ": ";
}

bool Variata(const std::vector<Variazione>& variazioni, std::string_view chiave) {
    return std::any_of(variazioni.begin(), variazioni.end(),
                       [chiave](const Variazione& v) { return v.Chiave == chiave; });
}

// "a", "a e b", "a, b e c".
std::string Elenco(const std::vector<std::string_view>& voci) {
    std::string testo;
    for (std::size_t i = 0; i < voci.size(); ++i) {
        testo += (i == 0 ? "" : i + 1 == voci.size() ? " e " : ", ") + std::string(voci[i]);
    }
    return testo;
}

} // namespace

std::optional<std::string> ControllaCondizione(std::string_view testo, const Condizione& c,
                                               const Esercizio& base,
                                               const std::vector<Variazione>& variazioni) {
    const Grandezza g = c.Quantità;
    const bool termico = g != Grandezza::Rw && g != Grandezza::Ms;
    const bool acustico = g == Grandezza::Rw || g == Grandezza::Ms || g == Grandezza::Yie;
    const bool igrometrico = g == Grandezza::FRsi || g == Grandezza::Ma;
    const bool verifiche = g == Grandezza::Ms || g == Grandezza::Yie || igrometrico;
    std::vector<std::string_view> mancano;
    if (termico && !base.Termico) {
        mancano.push_back("il calcolo termico");
    }
    if (igrometrico && !base.Igrometrico) {
        mancano.push_back("il calcolo igrometrico");
    }
    if (acustico && !base.Acustico) {
        mancano.push_back("il calcolo acustico (con le densità)");
    }
    if (verifiche && !base.Verifiche.Attive && !Variata(variazioni, ChiaveVerifiche)) {
        mancano.push_back("le verifiche di legge");
    }
    if (igrometrico && !ConDatiIgrometrici(base.Verifiche) &&
        !Variata(variazioni, ChiaveClasseUmidità)) {
        mancano.push_back("il clima esterno o la classe di umidità interna");
    }
    if (mancano.empty()) {
        return std::nullopt;
    }
    const auto nome = std::find_if(NomiGrandezze.begin(), NomiGrandezze.end(),
                                   [g](const auto& n) { return n.second == g; });
    return Prefisso(testo) + "l'esercizio non calcola " + std::string(nome->first) + ": servono " +
           Elenco(mancano);
}

std::optional<std::string> LeggiCondizione(std::string_view testo, Condizione& c) {
    const std::size_t operatore = testo.find_first_of("<>");
    if (operatore == std::string_view::npos) {
        return Prefisso(testo) + std::string(Forma);
    }
    const std::string_view nome = testo.substr(0, operatore);
    const auto trovato = std::find_if(NomiGrandezze.begin(), NomiGrandezze.end(),
                                      [&](const auto& n) { return n.first == nome; });
    if (trovato == NomiGrandezze.end()) {
        return Prefisso(testo) + "grandezza sconosciuta \"" + std::string(nome) + "\"; " +
               std::string(Forma);
    }
    const bool minore = testo[operatore] == '<';
    std::size_t numero = operatore + 1;
    const bool uguale = numero < testo.size() && testo[numero] == '=';
    if (uguale) {
        ++numero;
    }
    const auto soglia = ConvertiNumero(ModificatoreDatiInEntrata(testo.substr(numero)));
    if (!soglia) {
        return Prefisso(testo) + "manca il numero o non è un numero; " + std::string(Forma);
    }
    c.Quantità = trovato->second;
    c.Operatore = minore ? (uguale ? Confronto::MinoreOUguale : Confronto::Minore)
                         : (uguale ? Confronto::MaggioreOUguale : Confronto::Maggiore);
    c.Soglia = *soglia;
    return std::nullopt;
}

std::optional<double> ValoreGrandezza(Grandezza g, const Variante& v) {
    if (!v.Valida) {
        return std::nullopt;
    }
    const Esercizio& e = v.Esercizio;
    const RisultatiCalcolo& r = v.Risultati;
    switch (g) {
    case Grandezza::U:
        return e.Termico ? std::optional(r.H) : std::nullopt;
    case Grandezza::R:
        return e.Termico ? std::optional(1 / r.H) : std::nullopt;
    case Grandezza::Flusso:
        return e.Termico ? std::optional(r.FI) : std::nullopt;
    case Grandezza::Rw: {
        if (!e.Acustico) {
            return std::nullopt;
        }
        std::array<double, 5> R{};
        std::copy_n(r.PotereFonoisolanteParete.begin(), R.size(), R.begin());
        return ValutazioneInOttave(R).Rw;
    }
    case Grandezza::Ms:
        return v.Verifiche ? v.Verifiche->MassaSuperficiale : std::nullopt;
    case Grandezza::Yie:
        if (v.Verifiche && v.Verifiche->Estiva) {
            return v.Verifiche->Estiva->Yie;
        }
        return std::nullopt;
    case Grandezza::FRsi:
    case Grandezza::Ma:
        if (v.Verifiche && v.Verifiche->Igrometrica && v.Verifiche->Igrometrica->Risultato) {
            const RisultatoIgrometriaMensile& m = *v.Verifiche->Igrometrica->Risultato;
            return g == Grandezza::FRsi ? m.FRsi : m.AccumuloMassimo;
        }
        return std::nullopt;
    }
    return std::nullopt;
}

bool Soddisfa(const Condizione& c, const Variante& v) {
    const auto valore = ValoreGrandezza(c.Quantità, v);
    if (!valore) {
        return false;
    }
    switch (c.Operatore) {
    case Confronto::Minore:
        return *valore < c.Soglia;
    case Confronto::MinoreOUguale:
        return *valore <= c.Soglia;
    case Confronto::Maggiore:
        return *valore > c.Soglia;
    case Confronto::MaggioreOUguale:
        return *valore >= c.Soglia;
    }
    return false;
}

bool Precede(const Candidato& a, const Candidato& b) {
    return a.Spessore < b.Spessore || (a.Spessore == b.Spessore && a.Indice < b.Indice);
}

void TieniMigliore(std::optional<Candidato>& migliore, const Candidato& nuovo) {
    if (!migliore || Precede(nuovo, *migliore)) {
        migliore = nuovo;
    }
}

} // namespace paretix
