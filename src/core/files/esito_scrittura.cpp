#include "core/files/esito_scrittura.h"

#include <cerrno>

namespace paretix {

MotivoErrore MotivoDaErrno(int numero, bool nellaCartella) {
    switch (numero) {
    case EROFS:
        return MotivoErrore::SolaLettura;
    case ENOSPC:
    case EDQUOT:
        return MotivoErrore::DiscoPieno;
    case EACCES:
    case EPERM:
        return nellaCartella ? MotivoErrore::CartellaProtetta : MotivoErrore::PermessoNegato;
    case ENOENT:
    case ENOTDIR:
        return MotivoErrore::CartellaMancante;
    case ENAMETOOLONG:
        return MotivoErrore::NomeTroppoLungo;
    case ETXTBSY:
    case EBUSY:
    case EAGAIN:
        return MotivoErrore::FileInUso;
    default:
        return MotivoErrore::Altro;
    }
}

std::string MessaggioSalvataggio(MotivoErrore motivo) {
    switch (motivo) {
    case MotivoErrore::Nessuno:
        return {};
    case MotivoErrore::DiscoPieno:
        return DiscoPieno;
    case MotivoErrore::PermessoNegato:
        return PermessoNegato;
    case MotivoErrore::CartellaMancante:
        return CartellaMancante;
    case MotivoErrore::NomeTroppoLungo:
        return NomeTroppoLungo;
    case MotivoErrore::FileInUso:
        return FileInUso;
    case MotivoErrore::SolaLettura:
    case MotivoErrore::CartellaProtetta:
    case MotivoErrore::Altro:
        break;
    }
    return DiscoProtetto;
}

} // namespace paretix
