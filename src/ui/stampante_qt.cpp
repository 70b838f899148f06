#include "ui/stampante_qt.h"

#include <QFont>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextLayout>
#include <QTextOption>

#include "core/window/presentazione.h"
#include "core/window/righe_testo.h"

namespace paretix::ui {

namespace {

constexpr qreal MargineMm = 20.0;
constexpr int PuntiCarattere = 11;

void PreparaPagina(QPrinter& printer) {
    printer.setDocName(QString::fromUtf8(NomeProgramma));
    printer.setPageMargins(QMarginsF(MargineMm, MargineMm, MargineMm, MargineMm),
                           QPageLayout::Millimeter);
}

} // namespace

bool ImpaginaTesto(QPrinter& printer, const std::string& testo) {
    QPainter pittore;
    if (!pittore.begin(&printer)) {
        return false;
    }
    QFont carattere(QStringLiteral("Times New Roman"), PuntiCarattere);
    carattere.setStyleHint(QFont::Serif);
    // Any letter spacing turns ligatures off, so "ff" stays two letters when the text is
    // copied or searched in a PDF.
    carattere.setLetterSpacing(QFont::AbsoluteSpacing, 0.05);
    // A word wider than the page is broken rather than cut off at the margin.
    QTextOption opzioni;
    opzioni.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    const QRectF area = printer.pageLayout().paintRectPixels(printer.resolution());
    const qreal larghezza = area.width();
    const qreal altezzaPagina = area.height();

    qreal y = 0.0;
    for (const std::string_view riga : RigheTesto(testo)) {
        QTextLayout impaginazione(
            QString::fromUtf8(riga.data(), static_cast<qsizetype>(riga.size())), carattere,
            &printer);
        impaginazione.setTextOption(opzioni);
        impaginazione.beginLayout();
        for (QTextLine linea = impaginazione.createLine(); linea.isValid();
             linea = impaginazione.createLine()) {
            linea.setLineWidth(larghezza);
        }
        impaginazione.endLayout();

        // An empty line of the text is one empty printed line.
        for (int i = 0; i < impaginazione.lineCount(); ++i) {
            QTextLine linea = impaginazione.lineAt(i);
            if (y + linea.height() > altezzaPagina && y > 0.0) {
                if (!printer.newPage()) {
                    pittore.end();
                    return false;
                }
                y = 0.0;
            }
            linea.setPosition(QPointF(0.0, 0.0));
            linea.draw(&pittore, QPointF(0.0, y));
            y += linea.height();
        }
    }
    return pittore.end();
}

bool StampanteQt::Disponibile() const {
    return !QPrinterInfo::defaultPrinter().isNull();
}

bool StampanteQt::StampaTesto(const std::string& testo) {
    const QPrinterInfo predefinita = QPrinterInfo::defaultPrinter();
    if (predefinita.isNull()) {
        return false;
    }
    QPrinter printer(predefinita, QPrinter::HighResolution);
    PreparaPagina(printer);
    return ImpaginaTesto(printer, testo);
}

bool StampanteQt::ScriviPdf(const std::string& testo, const std::string& percorso) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(percorso));
    printer.setPageSize(QPageSize(QPageSize::A4));
    PreparaPagina(printer);
    return ImpaginaTesto(printer, testo);
}

} // namespace paretix::ui
