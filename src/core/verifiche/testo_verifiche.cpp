#include "core/verifiche/testo_verifiche.h"

#include "core/model/unita_misura.h"

namespace paretix {

namespace {

constexpr const char* UnitàTrasmittanza = " W/m²K";
constexpr const char* UnitàResistenza = " m²K/W";
constexpr const char* UnitàSpessore = " cm";
constexpr const char* UnitàMassa = " kg/m²";
constexpr const char* UnitàDecibel = " dB";
constexpr const char* NomeBtr = "btr = ";
constexpr const char* NomeLimite = "Limite";
constexpr const char* NomeRiferimento = "Riferimento";
constexpr const char* AlPiù = " ≤ ";
constexpr const char* Almeno = " ≥ ";

// Decimals shown: U three, thicknesses in cm one, masses none, btr as typed up to three.
constexpr int DecimaliTrasmittanza = 3;
constexpr int DecimaliSpessore = 1;
constexpr int DecimaliBtr = 3;
constexpr double PerCento = 100;

std::string TraParentesi(const std::string& testo) {
    return " (" + testo + ")";
}

} // namespace

std::string TestoTrasmittanza(double U) {
    return Decimali(U, DecimaliTrasmittanza) + UnitàTrasmittanza;
}

std::string TestoSpessore(double metri) {
    return Decimali(metri * CentimetriPerMetro, DecimaliSpessore) + UnitàSpessore;
}

std::string TestoMassa(double chilogrammi) {
    return Decimali(chilogrammi, 0) + UnitàMassa;
}

std::string TestoBtr(double btr) {
    std::string testo = Decimali(btr, DecimaliBtr);
    // btr is shown as short as it reads: 0,700 is 0,7.
    while (testo.ends_with('0')) {
        testo.pop_back();
    }
    if (testo.ends_with(',')) {
        testo.pop_back();
    }
    return NomeBtr + testo;
}

std::string TestoDecibel(int decibel) {
    return std::to_string(decibel) + UnitàDecibel;
}

std::string TestoRwOttave(const VerificaAcustica& v) {
    return std::to_string(v.Rw) + " (" + std::to_string(v.C) + "; " + std::to_string(v.Ctr) + ")" +
           UnitàDecibel;
}

std::string TestoTrasmittanzaDiLegge(const VerificaTrasmittanza& v) {
    return TestoTrasmittanza(v.U) + " (Rsi = " + Decimali(v.Superfici.Rsi, 2) +
           ", Rse = " + Decimali(v.Superfici.Rse, 2) + UnitàResistenza + ")";
}

std::string TestoLimitiResistenza(const LimitiResistenza& l) {
    return "R'T = " + Decimali(l.Superiore, DecimaliTrasmittanza) + UnitàResistenza +
           ", R''T = " + Decimali(l.Inferiore, DecimaliTrasmittanza) + UnitàResistenza +
           ", e = " + Decimali(l.ErroreRelativo * PerCento, 1) + " %";
}

std::string TestoFacciata(const VerificaAcustica& v) {
    const IsolamentoFacciata& f = v.Facciata.value_or(IsolamentoFacciata{});
    return "R'w = " + Decimali(f.RPrimoW, 1) + UnitàDecibel +
           ", D2m,nT,w = " + Decimali(f.D2mnTw, 1) + UnitàDecibel + " (Rw della parete " +
           Decimali(v.RwParete, 1) + UnitàDecibel +
           (v.RwCertificato ? ", certificato)" : ", dalla legge empirica)");
}

std::string TestoMassaEmpirica(const VerificaAcustica& v) {
    return TestoMassa(v.Ms) + (v.MsConIntonaci ? ", intonaci compresi" : "");
}

std::string TestoLimite(const VerificaTrasmittanza& v) {
    return std::string(v.Riferimento ? NomeRiferimento : NomeLimite) + AlPiù +
           TestoTrasmittanza(v.Limite.value_or(0)) + TraParentesi(v.Fonte);
}

std::string TestoRequisito(const VerificaAcustica& v) {
    return v.Grandezza + Almeno + TestoDecibel(v.Requisito.value_or(0)) + TraParentesi(v.Fonte);
}

std::string TestoMancanti(const std::vector<std::string>& mancanti) {
    std::string testo = InizioMancanti;
    for (std::size_t i = 0; i < mancanti.size(); ++i) {
        testo += (i == 0 ? "" : ", ") + mancanti[i];
    }
    return testo;
}

std::vector<std::pair<std::string, std::string>> TestiDinamica(const CaratteristichePeriodiche& c) {
    return {{GrandezzaYie, TestoTrasmittanza(c.Yie)},
            {GrandezzaAttenuazione, Decimali(c.FattoreAttenuazione, 3)},
            {GrandezzaSfasamento, Decimali(c.SfasamentoOre, 1) + " h"},
            {GrandezzaKappa1, Decimali(c.Kappa1 / JouleInKilojoule, 1) + " kJ/m²K"},
            {GrandezzaKappa2, Decimali(c.Kappa2 / JouleInKilojoule, 1) + " kJ/m²K"},
            {GrandezzaY11, TestoTrasmittanza(c.Y11)},
            {GrandezzaY22, TestoTrasmittanza(c.Y22)}};
}

std::string TestoSenzaCaloreSpecifico(const std::vector<int>& strati) {
    std::string testo = InizioSenzaCaloreSpecifico;
    for (std::size_t i = 0; i < strati.size(); ++i) {
        testo += (i == 0 ? "" : ", ") + std::to_string(strati[i]);
    }
    return testo;
}

std::string TestoValoriEstiva(const VerificaEstiva& v) {
    std::string testo = "Ms = " + TestoMassa(v.Ms);
    if (v.Yie) {
        testo += ", |Yie| = " + TestoTrasmittanza(*v.Yie);
    }
    return testo;
}

} // namespace paretix
