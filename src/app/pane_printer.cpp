#include "app/pane_printer.h"

#include <QBuffer>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

#include "app/paper_print.h"
#include "files/safe_write.h"
#include "qt/qt_text.h"
#include "session/dialogs.h"

#include <memory>

namespace vindelkast {

QString writePdf(const QTextDocument& document, const QString& jobTitle, const QString& fileName) {
    // Made in memory and written safely, so an old PDF survives a failed write.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setTitle(jobTitle);
        writer.setCreator("Vindelkast");
        writer.setPageSize(QPageSize(QPageSize::A4));
        const QString problem = printOnPaper(document, writer);
        if (!problem.isEmpty()) return problem;
    }
    if (pdf.data().isEmpty()) return "Kunde inte skriva filen " + fileName;
    return toQt(writeTextSafely(pathFromQt(fileName), pdf.data().toStdString()));
}

void PanePrinter::print(const QTextDocument& pane, const QString& jobTitle, int copies,
                        const QString& pageTitle) {
    std::unique_ptr<QTextDocument> titled;
    if (!pageTitle.isEmpty()) {
        titled.reset(pane.clone());
        titled->setMetaInformation(QTextDocument::DocumentTitle, pageTitle);
    }
    const QTextDocument& document = titled ? *titled : pane;
    if (!m_dialogs.printerAvailable()) {
        saveAsPdf(document, jobTitle);
        return;
    }
    for (int copy = 0; copy < copies; ++copy) {
        const QString problem = m_dialogs.print(jobTitle, document);
        if (!problem.isEmpty()) {
            m_dialogs.message(problem);
            return;
        }
    }
}

void PanePrinter::saveAsPdf(const QTextDocument& document, const QString& jobTitle) {
    if (!m_dialogs.confirm("Ingen skrivare \u00e4r installerad. Vill du spara utskriften \"" + jobTitle +
                           "\" som PDF-fil i st\u00e4llet?"))
        return;
    QString name = m_dialogs.saveFileName("PDF-filer |*.pdf", true);
    if (name.isEmpty()) return;
    if (!name.endsWith(".pdf", Qt::CaseInsensitive)) name += ".pdf";
    const QString problem = writePdf(document, jobTitle, name);
    m_dialogs.message(problem.isEmpty() ? "Utskriften sparades som " + name : problem);
}

}  // namespace vindelkast
