// Publishing: the HTML pages, the XML document and the players' results pages.
#include <fstream>

#include <QDir>
#include <QFileInfo>

#include "app/form1.h"
#include "app/table_server.h"
#include "files/safe_write.h"
#include "model/result_order.h"
#include "model/standings.h"
#include "output/export_names.h"
#include "output/old_html_page.h"
#include "output/page_parts.h"
#include "output/results_site.h"
#include "output/round_html_page.h"
#include "output/xhtml_page.h"
#include "output/xml_export.h"
#include "qt/qt_text.h"
#include "session/contest_session.h"
#include "session/dialogs.h"

namespace vindelkast {

void TForm1::MnHTMLClick() { writeFullHtml(false); }

void TForm1::MnGammalHTMLClick() { writeFullHtml(true); }

void TForm1::writeFullHtml(bool oldStyle) {
    const QString chosen = m_dialogs.saveFileName("HTML-filer |*.HTML;*.html;*.HTM;*.htm", true);
    if (chosen.isEmpty()) return;
    const std::string name = htmlFileName(pathFromQt(chosen));
    const QString answer =
        m_dialogs.inputBox("Vilken sorteringsordning: ", "Resultat (R), Par (P), Spelordn (S)", "R");
    const int order = resultOrderFromAnswer(fromQtLossy(answer));
    const bool withIdentity = oldStyle && !m_dialogs.confirm(toQt(kOldHtmlIdentityQuestion));
    const std::string problem = writeFileSafely(name, [&](std::ostream& out) {
        if (oldStyle)
            writeOldHtml(contest(), out, order, withIdentity);
        else
            writeXhtml(contest(), out, order);
    });
    // The boards stay arranged as the export leaves them; the panes show them so.
    m_session->choose([order](Contest& c) { settleAfterPageExport(c, order); });
    if (!problem.empty()) m_dialogs.message(toQt(problem));
}

void TForm1::MnPrintRondClick() {
    if (currentBoard() < 1 || contest().boardsPerRound <= 0) return;
    const int proposal = lastBoardOfRound(contest(), currentBoard()) / contest().boardsPerRound;
    const auto answer = m_dialogs.inputQuery("Rond", "F\u00f6r rond: ", QString::number(proposal));
    if (!answer) return;
    const int round = roundFromAnswer(fromQtLossy(*answer), proposal);
    const QString chosen = m_dialogs.saveFileName("HTML-filer |*.html;*.htm", true);
    if (chosen.isEmpty()) return;
    const std::string refusal = roundPageRefusal(contest(), round);
    if (!refusal.empty()) {
        m_dialogs.message(toQt(refusal));
        return;
    }
    m_roundHtmlFileName = htmlFileName(pathFromQt(chosen));
    const std::string problem = writeFileSafely(
        m_roundHtmlFileName, [&](std::ostream& out) { writeRoundHtml(contest(), out, round); });
    // The boards stay in result order after the page.
    m_session->choose([](Contest& c) { setResultOrder(c, ScoreOrder); });
    if (!problem.empty()) m_dialogs.message(toQt(problem));
}

void TForm1::MnPrintXMLClick() {
    if (!contest().setUpDone) {
        m_dialogs.messageBox("", "Starta upp t\u00e4vlingen f\u00f6rst");
        return;
    }
    const QString chosen = m_dialogs.saveFileName("XML-filer: |*.xml", true);
    if (chosen.isEmpty()) return;
    const std::string name = xmlFileName(pathFromQt(chosen));
    const std::string refusal = xmlExportRefusal(contest());
    if (!refusal.empty()) {
        // Nothing is written, and the director is told why rather than finding an empty file.
        m_dialogs.message(toQt(refusal));
        return;
    }
    std::string problem;
    const std::string written =
        writeFileSafely(name, [this, &problem](std::ostream& out) { problem = writeXml(contest(), out); });
    if (!problem.empty())
        m_dialogs.message(toQt(problem));
    else if (!written.empty())
        m_dialogs.message(toQt(written));
}

void TForm1::MnWebbClick() {
    if (!contest().setUpDone) {
        m_dialogs.messageBox("", "Starta upp t\u00e4vlingen f\u00f6rst");
        return;
    }
    const QString folder = m_dialogs.folderName("Publicera resultatwebb i mappen");
    if (folder.isEmpty()) return;
    const std::string problem = writeResultsSite(contest(), session().journal(), pathFromQt(folder));
    if (!problem.empty()) {
        m_dialogs.message(toQt(problem));
        return;
    }
    // Published: the tables' phones and everyone else now see every board at /resultat/.
    const QString unsecured = m_tableServer->publishResults();
    if (!unsecured.isEmpty()) m_dialogs.message(unsecured);
    m_dialogs.message("Resultatwebben \u00e4r skriven i " + QDir::toNativeSeparators(folder) +
                      ". Alla givar visas nu ocks\u00e5 p\u00e5 /resultat/.");
}

}  // namespace vindelkast
