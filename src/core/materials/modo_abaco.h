#pragma once
// The mode text that tells the materials browser and its dialogs what a click or a button does.
// Only the consult mode is told apart by the browser; every other text means edit mode.

#include <string_view>

namespace paretix {

inline constexpr const char* ConsultaAbaco = "ConsultaAbaco";
inline constexpr const char* ModificaAbaco = "ModificaAbacoCancellaModificaAggiungiPrimaDopo5Dati";
inline constexpr const char* ModificaAbacoAggiungiPrima = "ModificaAbacoAggiungiPrima5Dati";
inline constexpr const char* ModificaAbacoAggiungiDopo = "ModificaAbacoAggiungiDopo5Dati";
inline constexpr const char* ModificaAbacoCancella = "ModificaAbacoCancella5Dati";
inline constexpr const char* ModificaAbacoModifica = "ModificaAbacoModifica5Dati";
inline constexpr const char* ModificaAbacoGruppoSopra = "ModificaAbacoAggiungiGruppoSopra";
inline constexpr const char* ModificaAbacoGruppoSotto = "ModificaAbacoAggiungiGruppoSotto";

inline bool ModoConsulta(std::string_view modo) {
    return modo == ConsultaAbaco;
}

// The two modes whose edit dialog asks only for a group title.
inline bool ModoTitoloGruppo(std::string_view modo) {
    return modo == ModificaAbacoGruppoSopra || modo == ModificaAbacoGruppoSotto;
}

} // namespace paretix
