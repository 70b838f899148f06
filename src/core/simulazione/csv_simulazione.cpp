#include "core/simulazione/csv_simulazione.h"

#include <algorithm>

#include "core/model/a_capo.h"

namespace paretix {

namespace {

// The row with the cells put before its line end.
std::string Con(const std::string& riga, const std::string& celle) {
    const std::string fine = ACapo;
    const std::size_t taglio = riga.ends_with(fine) ? riga.size() - fine.size() : riga.size();
    return riga.substr(0, taglio) + celle + riga.substr(taglio);
}

} // namespace

std::string ConColonneSimulazione(const FormatoCsv& formato, const std::string& intestazione) {
    const std::string sep(1, formato.Separatore);
    return Con(intestazione, sep + "acqua_finale (kg/m²)" + sep + "variazione_ultimo_anno (kg/m²)");
}

std::string ConCelleSimulazione(const FormatoCsv& formato, const std::string& riga,
                                const std::optional<SimulazioneEseguita>& simulazione) {
    const std::string sep(1, formato.Separatore);
    if (!simulazione) {
        return Con(riga, sep + sep);
    }
    const RisultatoSimulazione& s = simulazione->Risultato;
    return Con(riga,
               sep + NumeroCsv(formato, s.AcquaFinale) + sep +
                   (s.AcquaAnnoPrima ? NumeroCsv(formato, s.AcquaFinale - *s.AcquaAnnoPrima) : ""));
}

std::string TabellaConSimulazione(const FormatoCsv& formato, const std::string& intestazione,
                                  const std::vector<RigaTabella>& righe) {
    const bool colonne = std::any_of(
        righe.begin(), righe.end(), [](const RigaTabella& r) { return r.Simulazione.has_value(); });
    std::string t = colonne ? ConColonneSimulazione(formato, intestazione) : intestazione;
    for (const RigaTabella& r : righe) {
        t += colonne ? ConCelleSimulazione(formato, r.Testo, r.Simulazione) : r.Testo;
    }
    return t;
}

} // namespace paretix
