#include "core/files/chiavi_esercizio.h"

#include <array>
#include <charconv>
#include <span>
#include <string>

#include "core/files/chiavi_simulazione.h"
#include "core/files/dati_aggiuntivi.h"

namespace paretix {

namespace {

struct ValoreGenerale {
    std::string_view Chiave;
    std::string Esercizio::*Campo;
};

constexpr std::array<ValoreGenerale, 7> ValoriGenerali{{
    {ChiaveLiminariInterno, &Esercizio::LiminariInterno},
    {ChiaveLiminariEsterno, &Esercizio::LiminariEsterno},
    {ChiaveTInterna, &Esercizio::TInterna},
    {ChiaveTEsterna, &Esercizio::TEsterna},
    {ChiaveUInterna, &Esercizio::UInterna},
    {ChiaveUEsterna, &Esercizio::UEsterna},
    {ChiaveDistSonoro, &Esercizio::DistSonoro},
}};

struct ValoreStrato {
    std::string_view Suffisso;
    Casella Strato::*Campo;
};

constexpr std::array<ValoreStrato, 5> ValoriStrato{{
    {SuffissoSpessore, &Strato::Spessore},
    {SuffissoDensità, &Strato::Densità},
    {SuffissoConduttività, &Strato::Conduttività},
    {SuffissoPermeabilità, &Strato::Permeabilità},
    {SuffissoFatAssorbimento, &Strato::FatAssorbimento},
}};

// The numeric keys of the additional data: a choice among names (zone, regime...) or a month's
// two values are not one number.
constexpr std::array<std::string_view, 8> ChiaviAggiuntiveNumeriche{
    ChiaveVerifiche,      ChiaveBtr,           ChiaveIsolamentoInterno,   ChiaveIrradianza,
    ChiaveStratoIsolante, ChiaveClasseUmidità, ChiaveCondensaAmmissibile, ChiaveInterfacciaFreno};
constexpr std::array<std::string_view, 4> SuffissiAggiuntiviNumerici{
    SuffissoCaloreSpecifico, SuffissoSd, SuffissoIntonaco, SuffissoPonteConduttività};

bool Tra(std::span<const std::string_view> elenco, std::string_view chiave) {
    for (const std::string_view c : elenco) {
        if (c == chiave) {
            return true;
        }
    }
    return false;
}

const ValoreStrato* DiStrato(std::string_view suffisso) {
    for (const ValoreStrato& v : ValoriStrato) {
        if (v.Suffisso == suffisso) {
            return &v;
        }
    }
    return nullptr;
}

} // namespace

std::optional<StratoDiChiave> DividiChiaveNumerica(std::string_view chiave) {
    if (!chiave.starts_with(PrefissoStrato)) {
        return std::nullopt;
    }
    const std::string_view resto = chiave.substr(PrefissoStrato.size());
    const std::size_t punto = resto.find('.');
    if (punto == std::string_view::npos || punto == 0 || resto.front() == '0') {
        return std::nullopt;
    }
    StratoDiChiave s;
    const auto [fine, errore] = std::from_chars(resto.data(), resto.data() + punto, s.Numero);
    if (errore != std::errc{} || fine != resto.data() + punto || s.Numero < 1) {
        return std::nullopt;
    }
    s.Suffisso = resto.substr(punto + 1);
    if (DiStrato(s.Suffisso) == nullptr && !Tra(SuffissiAggiuntiviNumerici, s.Suffisso) &&
        !Tra(std::span(SuffissiIgrotermici).first(NumericiIgrotermici), s.Suffisso)) {
        return std::nullopt;
    }
    return s;
}

bool ChiaveNumerica(std::string_view chiave) {
    for (const ValoreGenerale& v : ValoriGenerali) {
        if (v.Chiave == chiave) {
            return true;
        }
    }
    return Tra(ChiaviAggiuntiveNumeriche, chiave) || Tra(ChiaviSimulazioneNumeriche, chiave) ||
           ChiavePontiEFacciata(chiave) || DividiChiaveNumerica(chiave).has_value();
}

bool ApplicaValoreChiave(Esercizio& e, std::string_view chiave, std::string_view valore) {
    for (const ValoreGenerale& v : ValoriGenerali) {
        if (v.Chiave == chiave) {
            e.*v.Campo = std::string(valore);
            return true;
        }
    }
    if (!ChiaveNumerica(chiave)) {
        return false;
    }
    if (const auto s = DividiChiaveNumerica(chiave)) {
        if (s->Numero > e.NumeroStrati()) {
            return false;
        }
        if (const ValoreStrato* v = DiStrato(s->Suffisso)) {
            Strato& strato = e.strato(s->Numero);
            // An air cavity gets density, conductivity, permeability and absorption factor
            // from its own set-up whatever the file says: only its thickness is a value.
            if (strato.CameraAria() && v->Campo != &Strato::Spessore) {
                return false;
            }
            (strato.*v->Campo).Testo = std::string(valore);
            return true;
        }
    }
    std::string riga(chiave);
    riga.push_back('=');
    riga.append(valore);
    return ApplicaRigaDatiAggiuntivi(e, riga).has_value();
}

} // namespace paretix
