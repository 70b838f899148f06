#include "ui/stampante_qt.h"

#include <QFile>
#include <QFont>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTextLayout>
#include <QTextOption>

#include "core/files/scrittura_atomica.h"
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

// QPrinter writes straight onto its output file, so the PDF is made in a private folder first
// and then takes the chosen file's place through the safe writer: a failed export leaves any
// previous PDF as it was.
bool StampanteQt::ScriviPdf(const std::string& testo, const std::string& percorso) {
    const QTemporaryDir bozze;
    if (!bozze.isValid()) {
        return false;
    }
    const QString bozza = bozze.filePath(QStringLiteral("rapporto.pdf"));
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(bozza);
        printer.setPageSize(QPageSize(QPageSize::A4));
        PreparaPagina(printer);
        if (!ImpaginaTesto(printer, testo)) {
            return false;
        }
    }
    QFile pdf(bozza);
    if (!pdf.open(QIODevice::ReadOnly)) {
        return false;
    }
    // QPrinter does not report a write that failed part-way: a PDF cut short lacks its end mark.
    const QByteArray contenuto = pdf.readAll();
    if (!contenuto.startsWith("%PDF-") || !contenuto.trimmed().endsWith("%%EOF")) {
        return false;
    }
    const std::string_view dati(contenuto.constData(), static_cast<std::size_t>(contenuto.size()));
    return static_cast<bool>(ScritturaAtomica(percorso, dati));
}

} // namespace paretix::ui
