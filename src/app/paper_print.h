#pragma once

#include <QString>
#include <QTextFormat>

class QPagedPaintDevice;
class QPrinter;
class QTextDocument;

namespace vindelkast {

// A block property: the block starts a card that is kept on one page where it fits.
constexpr int kCardStartProperty = QTextFormat::UserProperty + 1;
// A block property: the block is a list's caption or column heading. The list runs from its
// first heading line to the next empty line or list; it is kept on one page where it fits,
// and its heading lines are repeated atop every further page it runs onto.
constexpr int kListHeadingProperty = QTextFormat::UserProperty + 2;

// Prints the document on paper (a printer or a PDF writer) as it reads on a 96-dpi screen:
// a font given in pixels gets its screen size in points (16 px = 12 pt), whatever the
// device's resolution. Nothing is cut: a page turns to landscape when a line that must not
// wrap (a document whose text option says NoWrap, as a pane's) or a table needs the width,
// and only what is too wide even then makes the whole print smaller.
// Margins of 15 mm; as many pages as the text needs; a card never splits unless it is
// longer than a page. A document with a title (its DocumentTitle) has it atop every page,
// with the page's number. "" or the message why not.
QString printOnPaper(const QTextDocument& document, QPagedPaintDevice& device);

// One print job on the printer, under its title; "" or the message why not.
QString printJob(QPrinter& printer, const QString& jobTitle, const QTextDocument& document);

}  // namespace vindelkast
