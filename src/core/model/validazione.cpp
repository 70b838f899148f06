#include "core/model/validazione.h"
#include "core/model/a_capo.h"

#include <initializer_list>

#include "core/model/caselle_visibili.h"
#include "core/model/numeri.h"

namespace paretix {

namespace {

constexpr char SeparatoreDecimale = ',';

constexpr std::string_view NomeLiminariInterno = "''Valore liminare interno''";
constexpr std::string_view NomeLiminariEsterno = "''Valore liminare esterno''";
constexpr std::string_view NomeTInterna = "''Temperatura interna''";
constexpr std::string_view NomeTEsterna = "''Temperatura esterna''";
constexpr std::string_view NomeUInterna = "''Umidità relativa interna''";
constexpr std::string_view NomeUEsterna = "''Umidità relativa esterna''";
constexpr std::string_view NomeDensità = "''Densità''";
constexpr std::string_view NomeSpessore = "''Spessore''";
constexpr std::string_view NomeConduttività = "''Conduttività termica''";
constexpr std::string_view NomePermeabilità = "''Permeabilità''";
constexpr std::string_view NomeFatAssorbimento =
    "''Fattore di assorbimento termico delle supefici intorno alla camera d'aria''.";

constexpr std::string_view PerLoStrato = "Per lo strato ";
constexpr std::string_view NessunDato = "Nessun dato inserito nella casella ";
constexpr std::string_view NessunDatoStrato = " nessun dato inserito nella casella ";
constexpr std::string_view Alfanumerico = "È stato inserito un dato alfanumerico nella casella ";
constexpr std::string_view AlfanumericoStrato =
    " è stato inserito un dato alfanumerico nella casella";
constexpr std::string_view ValoreErrato = "È stato inserito un valore errato nella casella ";
constexpr std::string_view ValoreErratoStrato = " è stato inserito un valore errato nella casella ";
constexpr std::string_view DatoErratoStrato = " è stato inserito un dato errato nella casella";
constexpr std::string_view NonMinoriDiZero = "Non sono consentiti valori minori o uguali a zero";
constexpr std::string_view LimitiFatAssorbimento =
    "Il valore deve essere compreso tra 1 = Corpo nero ideale e 0 = Specchio ideale esclusi";
constexpr std::string_view FatAssorbimentoOmesso =
    "o può essere omesso inserendo un trattino - o niente";

std::string Unisci(std::initializer_list<std::string_view> parti) {
    std::string testo;
    for (std::string_view p : parti) {
        testo.append(p);
    }
    return testo;
}

std::string PerLoStratoK(int strato, std::string_view resto, std::string_view nomeCasella) {
    return Unisci({PerLoStrato, std::to_string(strato), resto, nomeCasella});
}

std::string MessaggioFatAssorbimento(int strato, std::string_view difetto) {
    return Unisci({PerLoStrato, std::to_string(strato), difetto, ACapo, NomeFatAssorbimento, ACapo,
                   ACapo, LimitiFatAssorbimento, ACapo, FatAssorbimentoOmesso});
}

// The ranges of the numbers.
enum class Intervallo { Libero, Positivo, NonNegativo, Percentuale };

bool FuoriIntervallo(Intervallo intervallo, double valore) {
    switch (intervallo) {
    case Intervallo::Positivo:
        return valore <= 0;
    case Intervallo::NonNegativo:
        return valore < 0;
    case Intervallo::Percentuale:
        return valore < 0 || valore > 100;
    case Intervallo::Libero:
        break;
    }
    return false;
}

// The boxes of the boundary conditions, in the order they are checked.
struct CasellaGenerale {
    std::string Esercizio::*campo;
    std::optional<double> NumeriCaselle::*letto;
    std::string_view nome;
    bool (*visibile)(const Esercizio&);
    Intervallo intervallo;
    std::string (*fuoriIntervallo)(std::string_view nome);
};

constexpr CasellaGenerale CaselleGenerali[] = {
    {&Esercizio::LiminariInterno, &NumeriCaselle::LiminariInterno, NomeLiminariInterno,
     LiminariVisibili, Intervallo::Positivo, Frase5},
    {&Esercizio::LiminariEsterno, &NumeriCaselle::LiminariEsterno, NomeLiminariEsterno,
     LiminariVisibili, Intervallo::Positivo, Frase5},
    {&Esercizio::TInterna, &NumeriCaselle::TInterna, NomeTInterna, TemperatureVisibili,
     Intervallo::Libero, nullptr},
    {&Esercizio::TEsterna, &NumeriCaselle::TEsterna, NomeTEsterna, TemperatureVisibili,
     Intervallo::Libero, nullptr},
    {&Esercizio::UInterna, &NumeriCaselle::UInterna, NomeUInterna, UmiditàVisibili,
     Intervallo::Percentuale,
     [](std::string_view) { return std::string(MessaggioUmiditàInterna); }},
    {&Esercizio::UEsterna, &NumeriCaselle::UEsterna, NomeUEsterna, UmiditàVisibili,
     Intervallo::Percentuale,
     [](std::string_view) { return std::string(MessaggioUmiditàEsterna); }},
    {&Esercizio::DistSonoro, &NumeriCaselle::DistSonoro, NomeDistSonoro, DistSonoroVisibile,
     Intervallo::NonNegativo, Frase5},
};

// The number boxes of a layer, in the order they are checked, each greater than zero; the
// absorption factor follows them with rules of its own.
struct CasellaStrato {
    Casella Strato::*campo;
    std::optional<double> NumeriCaselle::DiStrato::*letto;
    std::string_view nome;
    bool (*visibile)(const Esercizio&, const Strato&);
    std::string (*fuoriIntervallo)(int strato, std::string_view nome);
};

constexpr CasellaStrato CaselleStrato[] = {
    {&Strato::Densità, &NumeriCaselle::DiStrato::Densità, NomeDensità,
     [](const Esercizio& e, const Strato&) { return DensitàVisibile(e); }, Frase6},
    {&Strato::Spessore, &NumeriCaselle::DiStrato::Spessore, NomeSpessore,
     [](const Esercizio&, const Strato&) { return true; },
     [](int strato, std::string_view) { return MessaggioSpessoreErrato(strato); }},
    {&Strato::Conduttività, &NumeriCaselle::DiStrato::Conduttività, NomeConduttività,
     [](const Esercizio&, const Strato& s) { return s.ConduttivitàVisibile; }, Frase6},
    {&Strato::Permeabilità, &NumeriCaselle::DiStrato::Permeabilità, NomePermeabilità,
     [](const Esercizio& e, const Strato&) { return PermeabilitàVisibile(e); }, Frase6},
};

// ModificatoreDatiInEntrata in place: the text only shrinks, so it is rewritten over itself
// without a copy, for every box at every calculation.
void Normalizza(std::string& testo) {
    std::size_t n = 0;
    for (const char c : testo) {
        if (c == '.' || c == ',') {
            testo[n++] = SeparatoreDecimale;
        } else if (c != ' ') {
            testo[n++] = c;
        }
    }
    testo.resize(n);
}

void NormalizzaCaselleVisibili(Esercizio& e) {
    for (const CasellaGenerale& c : CaselleGenerali) {
        if (c.visibile(e)) {
            Normalizza(e.*c.campo);
        }
    }
    for (Strato& s : e.Strati) {
        for (const CasellaStrato& c : CaselleStrato) {
            if (c.visibile(e, s)) {
                Normalizza((s.*c.campo).Testo);
            }
        }
        if (s.FatAssorbimentoVisibile) {
            Normalizza(s.FatAssorbimento.Testo);
        }
    }
}

// One walk over the shown boxes, converting each once. A box without a number ends the walk
// with its message; the first number out of range is only remembered and reported when every
// box holds a number, so that presence and form of all the boxes come before any range.
std::optional<std::string> ControlloNumeri(const Esercizio& e, NumeriCaselle& letti) {
    std::optional<std::string> primoFuoriIntervallo;
    for (const CasellaGenerale& c : CaselleGenerali) {
        if (!c.visibile(e)) {
            continue;
        }
        const std::string& testo = e.*c.campo;
        const auto& numero = letti.*c.letto = ConvertiNumero(testo);
        if (!numero) {
            return testo.empty() ? Frase1(c.nome) : Frase2(c.nome);
        }
        if (!primoFuoriIntervallo && FuoriIntervallo(c.intervallo, *numero)) {
            primoFuoriIntervallo = c.fuoriIntervallo(c.nome);
        }
    }
    for (int k = 1; k <= e.NumeroStrati(); ++k) {
        const Strato& s = e.strato(k);
        NumeriCaselle::DiStrato& lettiStrato = letti.Strati[static_cast<std::size_t>(k)];
        for (const CasellaStrato& c : CaselleStrato) {
            if (!c.visibile(e, s)) {
                continue;
            }
            const std::string& testo = (s.*c.campo).Testo;
            const auto& numero = lettiStrato.*c.letto = ConvertiNumero(testo);
            if (!numero) {
                return testo.empty() ? Frase3(k, c.nome) : Frase4(k, c.nome);
            }
            if (!primoFuoriIntervallo && *numero <= 0) {
                primoFuoriIntervallo = c.fuoriIntervallo(k, c.nome);
            }
        }
        const std::string& fattore = s.FatAssorbimento.Testo;
        if (!s.FatAssorbimentoVisibile || FatAssorbimentoNonDato(fattore)) {
            continue;
        }
        const auto& numero = lettiStrato.FatAssorbimento = ConvertiNumero(fattore);
        if (!numero) {
            return MessaggioFatAssorbimentoAlfanumerico(k);
        }
        if (!primoFuoriIntervallo && (*numero <= 0 || *numero >= 1)) {
            primoFuoriIntervallo = MessaggioFatAssorbimentoErrato(k);
        }
    }
    return primoFuoriIntervallo;
}

} // namespace

std::string ModificatoreDatiInEntrata(std::string_view testo) {
    std::string normale;
    normale.reserve(testo.size());
    for (char c : testo) {
        if (c == '.' || c == ',') {
            normale.push_back(SeparatoreDecimale);
        } else if (c != ' ') {
            normale.push_back(c);
        }
    }
    return normale;
}

bool FatAssorbimentoNonDato(std::string_view testo) {
    const std::string_view t = TogliSpazi(testo);
    return t.empty() || t == "-";
}

std::optional<std::string> ControlloCorrettezzaDatiIniziali(Esercizio& e, NumeriCaselle& letti) {
    NormalizzaCaselleVisibili(e);
    return ControlloNumeri(e, letti);
}

std::optional<double> NumeroLetto(const std::optional<double>& letto, std::string_view testo) {
    return letto ? letto : ConvertiNumero(testo);
}

std::string Frase1(std::string_view nomeCasella) {
    return Unisci({NessunDato, nomeCasella});
}

std::string Frase2(std::string_view nomeCasella) {
    return Unisci({Alfanumerico, nomeCasella});
}

std::string Frase3(int strato, std::string_view nomeCasella) {
    return PerLoStratoK(strato, NessunDatoStrato, nomeCasella);
}

std::string Frase4(int strato, std::string_view nomeCasella) {
    return Unisci({PerLoStrato, std::to_string(strato), AlfanumericoStrato, " ", nomeCasella});
}

std::string Frase5(std::string_view nomeCasella) {
    return Unisci({ValoreErrato, nomeCasella});
}

std::string Frase6(int strato, std::string_view nomeCasella) {
    return PerLoStratoK(strato, ValoreErratoStrato, nomeCasella);
}

std::string MessaggioSpessoreErrato(int strato) {
    return Unisci({PerLoStrato, std::to_string(strato), DatoErratoStrato, " ", NomeSpessore, ".",
                   ACapo, NonMinoriDiZero});
}

std::string MessaggioFatAssorbimentoAlfanumerico(int strato) {
    return MessaggioFatAssorbimento(strato, AlfanumericoStrato);
}

std::string MessaggioFatAssorbimentoErrato(int strato) {
    return MessaggioFatAssorbimento(strato, DatoErratoStrato);
}

} // namespace paretix
