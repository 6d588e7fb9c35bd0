// Publishing: the HTML pages and the XML document.
#include <fstream>

#include <QFileInfo>

#include "app/dialogs.h"
#include "app/form1.h"
#include "app/qt_text.h"
#include "files/safe_write.h"
#include "output/export_names.h"
#include "output/xml_export.h"

namespace vindelkast {

void TForm1::MnPrintXMLClick() {
    if (!m_contest.setUpDone) {
        m_dialogs.messageBox("", "Starta upp t\u00e4vlingen f\u00f6rst");
        return;
    }
    const QString chosen = m_dialogs.saveFileName("XML-filer: |*.xml", true);
    if (chosen.isEmpty()) return;
    const std::string name = xmlFileName(pathFromQt(chosen));
    const std::string refusal = xmlExportRefusal(m_contest);
    if (!refusal.empty()) {
        // Nothing is written, and the director is told why rather than finding an empty file.
        m_dialogs.message(toQt(refusal));
        return;
    }
    std::string problem;
    const std::string written =
        writeFileSafely(name, [this, &problem](std::ostream& out) { problem = writeXml(m_contest, out); });
    if (!problem.empty()) m_dialogs.message(toQt(problem));
    else if (!written.empty()) m_dialogs.message(toQt(written));
}

}  // namespace vindelkast
