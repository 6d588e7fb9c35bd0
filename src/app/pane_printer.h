#pragma once

#include <QString>

class QTextDocument;

namespace vindelkast {

class Dialogs;

// Prints a pane's text as it stands, one job per copy, under a job title, with the page
// title (the contest's name and date, say) atop every page. Where no printer is installed
// it offers to save the print as a PDF file instead of failing unseen.
class PanePrinter {
public:
    explicit PanePrinter(Dialogs& dialogs) : m_dialogs(dialogs) {}

    void print(const QTextDocument& document, const QString& jobTitle, int copies = 1,
               const QString& pageTitle = {});

private:
    void saveAsPdf(const QTextDocument& document, const QString& jobTitle);

    Dialogs& m_dialogs;
};

// Writes the document as a PDF file; "" or the message why not.
QString writePdf(const QTextDocument& document, const QString& jobTitle, const QString& fileName);

}  // namespace vindelkast
