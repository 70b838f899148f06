#include "core/verifiche/estiva.h"

#include "core/verifiche/trasmittanza_di_legge.h"

namespace paretix {

VerificaDinamica VerificaDellaDinamica(const Esercizio& e, const RisultatiCalcolo& r) {
    VerificaDinamica v;
    const StratiDellaParete strati = StratiPeriodici(e, r);
    v.SenzaCaloreSpecifico = strati.SenzaCaloreSpecifico;
    if (v.SenzaCaloreSpecifico.empty()) {
        const ResistenzeLiminari rs = ResistenzeLiminariDiLegge(e.Verifiche);
        v.Caratteristiche = CalcolaCaratteristichePeriodiche(rs.Rsi, rs.Rse, strati.Strati);
    }
    return v;
}

VerificaEstiva VerificaDellaEstiva(const Esercizio& e, double Ms, const VerificaDinamica& d) {
    VerificaEstiva v;
    v.Ms = Ms;
    if (d.Caratteristiche) {
        v.Yie = d.Caratteristiche->Yie;
    }
    const DatiVerifiche& dati = e.Verifiche;
    if (!dati.Elemento) {
        v.Mancanti.push_back(DatoElemento);
    }
    if (!dati.Zona) {
        v.Mancanti.push_back(DatoZona);
    }
    if (!dati.Esposizione) {
        v.Mancanti.push_back(DatoEsposizione);
    }
    if (!dati.Irradianza290) {
        v.Mancanti.push_back(DatoIrradianza);
    }
    if (!v.Mancanti.empty()) {
        return v;
    }
    const Orientamento o = *dati.Esposizione;
    if (*dati.Elemento != ElementoParete::Esterno) {
        v.Motivo = MotivoNonEsterna;
    } else if (o == Orientamento::N || o == Orientamento::NE || o == Orientamento::NO) {
        v.Motivo = MotivoEsposizione;
    } else if (*dati.Zona == ZonaClimatica::F) {
        v.Motivo = MotivoZonaF;
    } else if (!*dati.Irradianza290) {
        v.Motivo = MotivoIrradianza;
    }
    v.Applicabile = v.Motivo.empty();
    if (!*v.Applicabile) {
        v.Esito = EsitoEstivaNonApplicabile;
        return v;
    }
    // Either value meets the requirement; without Yie only a mass beyond the limit decides.
    if (Ms > MassaEstivaMinima || (v.Yie && *v.Yie < YieEstivaMassima)) {
        v.Rispettata = true;
    } else if (v.Yie) {
        v.Rispettata = false;
    }
    if (v.Rispettata) {
        v.Esito = *v.Rispettata ? EsitoEstivaVerificata : EsitoEstivaNonVerificata;
    } else {
        v.Esito = EsitoEstivaIndeterminata;
        v.Motivo = MotivoSenzaYie;
    }
    return v;
}

} // namespace paretix
