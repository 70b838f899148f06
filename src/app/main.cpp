// Paretix LT, the desktop program: the splash window, then the main window.

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

#include "core/window/avvio.h"
#include "core/window/cartelle_utente.h"
#include "core/window/file_recenti.h"
#include "core/window/presentazione.h"
#include "core/window/recupero.h"
#include "core/window/ultima_cartella.h"
#include "ui/aperture_qt.h"
#include "ui/comandi_cronologia.h"
#include "ui/comandi_file.h"
#include "ui/dialoghi_qt.h"
#include "ui/file_recenti_qt.h"
#include "ui/finestra_principale_qt.h"
#include "ui/finestre_ausiliarie.h"
#include "ui/presentazione_qt.h"
#include "ui/recupero_qt.h"
#include "ui/stampante_qt.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(paretix::NomeProgramma));
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));

    // Qt's own dialogs and context menus in Italian, like the rest of the program.
    QTranslator traduzioneQt;
    if (traduzioneQt.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&traduzioneQt);
    }

    // The user's own files: the recovery file, the recent files and the last folder used.
    const std::string cartellaStato = paretix::CartellaStatoUtente();
    const std::string cartellaConfigurazione = paretix::CartellaConfigurazioneUtente();
    const auto inCartella = [](const std::string& cartella, const char* nome) {
        return cartella.empty() ? std::string() : cartella + '/' + nome;
    };

    paretix::ui::DialoghiQt dialoghi;
    dialoghi.ImpostaUltimaCartella(
        inCartella(cartellaConfigurazione, paretix::NomeFileUltimaCartella));
    paretix::ui::StampanteQt stampante;
    paretix::ui::ApertureQt aperture;
    std::unique_ptr<paretix::ui::FinestraPrincipaleQt> finestra;
    paretix::ui::PresentazioneQt splash([&] {
        if (!finestra) {
            const paretix::EsitoAvvio avvio =
                paretix::PreparazioneAvvio(QApplication::applicationDirPath().toStdString());
            finestra = std::make_unique<paretix::ui::FinestraPrincipaleQt>(dialoghi, avvio);
            new paretix::ui::ComandiFile(*finestra);
            new paretix::ui::FinestreAusiliarie(*finestra, dialoghi, stampante, stampante,
                                                aperture);
            new paretix::ui::ComandiCronologia(*finestra);
            new paretix::ui::FileRecentiQt(
                *finestra, inCartella(cartellaConfigurazione, paretix::NomeElencoFileRecenti));
            new paretix::ui::RecuperoQt(*finestra,
                                        inCartella(cartellaStato, paretix::NomeFileRecupero));
        }
        finestra->show();
    });
    splash.show();
    return QApplication::exec();
}
