#pragma once
// The charts of a finished transient run, for the "Verifiche" window and the technical report:
// the water the wall holds over the years, the mould index over the years, the temperature
// and humidity at the inside surface and at one interface over the last year, and the
// profiles across the wall at the end of a day.

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "core/charts/elementi.h"
#include "core/simulazione/simulazione.h"

namespace paretix {

inline constexpr const char* DidascaliaAcquaTotale = "acqua nella parete";
inline constexpr const char* DidascaliaSuperficieInterna = "superficie interna";
inline constexpr const char* UnitàAnni = "anni";
inline constexpr const char* UnitàGiorniUltimoAnno = "giorni dell'ultimo anno";
inline constexpr const char* UnitàSpessore = "cm dall'interno";
inline constexpr const char* CaptionInterfacciaSimulazione = "Ultimo anno alla superficie e a:";
inline constexpr const char* CaptionGiornoProfili = "Profili alla fine del giorno";

enum class GrandezzaProfilo { Temperatura, Umidità, Acqua };

// The water held at the start and at the end of each month, kg/m², over the years.
Superficie GraficoAcquaTotale(const RisultatoSimulazione& r);

// The mould index at the end of each month at the inside surface and at the place where it
// grew most, with the admissible index as a dotted level.
Superficie GraficoMuffa(const RisultatoSimulazione& r);

// The interface whose humidity rose highest over the last year, the one to watch first; 0 when
// the run kept no interface.
int InterfacciaPiùUmida(const RisultatoSimulazione& r);

// The interfaces the run watched hour by hour, each with its name for a list.
std::vector<std::pair<int, std::string>> InterfacceOsservate(const RisultatoSimulazione& r);

// The temperature (umidità false) or the relative humidity at the inside surface and at the
// place dove (an interface K; 0 or a place the run did not watch: the surface alone), hour by
// hour over the last year. Empty when the run kept no hourly state.
Superficie GraficoAndamento(const RisultatoSimulazione& r, int dove, bool umidità);

// One quantity across the wall at the end of day giorno (from 1, within the days kept), with
// the faces between the layers as dotted lines. Empty when the run kept no daily profile.
Superficie GraficoProfilo(const RisultatoSimulazione& r, std::size_t giorno, GrandezzaProfilo g);

} // namespace paretix
