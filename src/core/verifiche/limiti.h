#pragma once
// The law's tables for one wall: the thermal transmittance of the minimum-requirements decree
// (DM 26/06/2015) and the acoustic requirements of buildings (DPCM 5/12/1997). Every figure
// stands once, in limiti.cpp, with its source.

#include <string>

#include "core/model/dati_verifiche.h"

namespace paretix {

// The transmittance of a wall towards the outside or an unheated space, W/(m² K), in the table
// of the regime: a limit of the element in App. B, a value of the reference building in App. A.
double TrasmittanzaDiTabella(ZonaClimatica zona, RegimeVerifica regime);

// App. A gives the reference building, not a limit: its values are shown as "riferimento".
bool RegimeDiRiferimento(RegimeVerifica regime);

// The App. B limits rise by this factor when the insulation is applied from the inside or in
// the cavity.
double MaggiorazioneIsolamentoInterno();

// Partitions between dwellings, W/(m² K), in every zone and regime.
double TrasmittanzaLimiteDivisorio();

// "DM 26/06/2015, App. B, dal 2021, zona E".
std::string FonteTrasmittanza(ZonaClimatica zona, RegimeVerifica regime);
std::string FonteTrasmittanzaDivisorio();

// DPCM 5/12/1997: the façade's standardised level difference D2m,nT,w and the apparent sound
// reduction index R'w of a partition between units, dB, by building category.
int RequisitoFacciata(CategoriaEdificio categoria);
int RequisitoDivisorio(CategoriaEdificio categoria);
std::string FonteRequisitoAcustico(CategoriaEdificio categoria);

} // namespace paretix
