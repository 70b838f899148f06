// Paretix LT, the desktop program.

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "core/window/finestra_principale.h"
#include "ui/dialoghi_qt.h"
#include "ui/finestra_principale_qt.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Paretix LT"));
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));

    // Qt's own dialogs and context menus in Italian, like the rest of the program.
    QTranslator traduzioneQt;
    if (traduzioneQt.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&traduzioneQt);
    }

    paretix::EsitoAvvio avvio;
    avvio.CartellaProgramma =
        paretix::CartellaProgrammaDa(QApplication::applicationDirPath().toStdString());

    paretix::DialoghiQt dialoghi;
    paretix::FinestraPrincipaleQt finestra(dialoghi, avvio);
    finestra.show();
    return QApplication::exec();
}
