#include "app/paper_print.h"

#include "qt/fonts.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

namespace vindelkast {

namespace {

constexpr double kMarginMm = 15;
constexpr double kPointsPerScreenPixel = 72.0 / 96.0;

// A font size in pixels means device pixels on paper, a 1200-dpi dot: it becomes the points
// the same pixels make on a 96-dpi screen.
QFont inPoints(QFont font) {
    if (font.pixelSize() > 0) font.setPointSizeF(font.pixelSize() * kPointsPerScreenPixel);
    return font;
}

// The format with its pixel size as points; false when it has none.
bool pixelsAsPoints(QTextCharFormat& format) {
    if (!format.hasProperty(QTextFormat::FontPixelSize)) return false;
    const int pixels = format.intProperty(QTextFormat::FontPixelSize);
    format.clearProperty(QTextFormat::FontPixelSize);
    format.setFontPointSize(pixels * kPointsPerScreenPixel);
    return true;
}

void fontsInPoints(QTextDocument& document) {
    document.setDefaultFont(inPoints(document.defaultFont()));
    // Gathered first: a changed format may merge fragments under a running iterator.
    struct Change {
        int start, end;
        QTextCharFormat format;
    };
    std::vector<Change> changes;
    std::vector<std::pair<QTextBlock, QTextCharFormat>> blocks;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        // An empty line is as high as its block's own format says.
        if (QTextCharFormat format = block.charFormat(); pixelsAsPoints(format))
            blocks.emplace_back(block, format);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QTextCharFormat format = fragment.charFormat();
            if (pixelsAsPoints(format))
                changes.push_back({fragment.position(), fragment.position() + fragment.length(), format});
        }
    }
    for (auto& [block, format] : blocks) QTextCursor(block).setBlockCharFormat(format);
    for (const Change& change : changes) {
        QTextCursor cursor(&document);
        cursor.setPosition(change.start);
        cursor.setPosition(change.end, QTextCursor::KeepAnchor);
        cursor.setCharFormat(change.format);
    }
}

// Qt lays out again only near a changed block, and the blocks after a new page break then
// lose their places: the whole document is laid out again.
void layOutAgain(QTextDocument& document) { document.markContentsDirty(0, document.characterCount()); }

// Cards that would run over a page break start on the next page instead, unless they are
// longer than a page anyway.
void keepCardsTogether(QTextDocument& document, double pageHeight) {
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    for (QTextBlock start = document.begin(); start.isValid();) {
        QTextBlock next = start.next();
        while (next.isValid() && !next.blockFormat().hasProperty(kCardStartProperty)) next = next.next();
        if (start.blockFormat().hasProperty(kCardStartProperty)) {
            const QTextBlock last = next.isValid() ? next.previous() : document.lastBlock();
            const double top = layout->blockBoundingRect(start).top();
            const double bottom = layout->blockBoundingRect(last).bottom();
            const bool splits =
                static_cast<int>(top / pageHeight) != static_cast<int>((bottom - 1) / pageHeight);
            if (splits && bottom - top <= pageHeight) {
                QTextBlockFormat format = start.blockFormat();
                format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
                QTextCursor(start).setBlockFormat(format);
                layOutAgain(document);
            }
        }
        start = next;
    }
}

// A table (a row of the hand-record sheet) is a card of its own.
void keepTablesTogether(QTextDocument& document, double pageHeight) {
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    for (QTextFrame* frame : document.rootFrame()->childFrames()) {
        const QRectF box = layout->frameBoundingRect(frame);
        const bool splits =
            static_cast<int>(box.top() / pageHeight) != static_cast<int>((box.bottom() - 1) / pageHeight);
        if (!splits || box.height() > pageHeight) continue;
        QTextFrameFormat format = frame->frameFormat();
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        frame->setFrameFormat(format);
        layOutAgain(document);
    }
}

bool isListHeading(const QTextBlock& block) {
    return block.isValid() && block.blockFormat().hasProperty(kListHeadingProperty);
}

// A list is a card from its first heading line on.
void listsAreCards(QTextDocument& document) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (!isListHeading(block) || isListHeading(block.previous())) continue;
        QTextBlockFormat format = block.blockFormat();
        format.setProperty(kCardStartProperty, true);
        QTextCursor(block).setBlockFormat(format);
    }
}

// Copies of the heading lines before `block`; the caption of a list that has one says the
// list goes on. Returns the last copy.
QTextBlock insertHeadingCopies(const std::vector<QTextBlock>& heading, const QTextBlock& block) {
    QTextCursor cursor(block.previous());
    cursor.movePosition(QTextCursor::EndOfBlock);
    for (std::size_t i = 0; i < heading.size(); ++i) {
        QTextBlockFormat format = heading[i].blockFormat();
        format.clearProperty(kListHeadingProperty);
        format.clearProperty(kCardStartProperty);
        format.setPageBreakPolicy(QTextFormat::PageBreak_Auto);
        const QTextCharFormat text =
            heading[i].begin().atEnd() ? heading[i].charFormat() : heading[i].begin().fragment().charFormat();
        cursor.insertBlock(format, text);
        const bool caption = i == 0 && heading.size() > 1;
        cursor.insertText(heading[i].text() + (caption ? ", forts." : ""), text);
    }
    return cursor.block();
}

// A list longer than a page shows its heading again atop each page it runs onto.
void repeatListHeadings(QTextDocument& document, double pageHeight) {
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    // A line that would run over a page's end is moved down within its block.
    const auto pageOf = [layout, pageHeight](const QTextBlock& block) {
        double top = layout->blockBoundingRect(block).top();
        if (block.layout()->lineCount() > 0) top += block.layout()->lineAt(0).y();
        return static_cast<int>(top / pageHeight);
    };
    std::vector<QTextBlock> heading;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (isListHeading(block)) {
            if (!isListHeading(block.previous())) heading.clear();
            heading.push_back(block);
        } else if (block.text().trimmed().isEmpty()) {
            heading.clear();
        } else if (!heading.empty() && pageOf(block) != pageOf(block.previous())) {
            block = insertHeadingCopies(heading, block);
            layOutAgain(document);
            // The copies go where the page turned; a page break of their own only where they
            // would still fit on the page before (a break at a page's top would leave it empty).
            QTextBlock first = block;
            for (std::size_t i = 1; i < heading.size(); ++i) first = first.previous();
            if (pageOf(first) == pageOf(first.previous())) {
                QTextBlockFormat format = first.blockFormat();
                format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
                QTextCursor(first).setBlockFormat(format);
                layOutAgain(document);
            }
        }
    }
}

// The document's title and the page's number, over a thin line, atop each page.
class PageTitle {
public:
    PageTitle(const QTextDocument& document, QPagedPaintDevice& device)
        : m_title(document.metaInformation(QTextDocument::DocumentTitle)), m_font(windowFont(13, true)) {
        m_font.setPointSizeF(10);
        if (!m_title.isEmpty()) m_lineHeight = QFontMetricsF(m_font, &device).height();
    }
    // The height the title takes from each page, room below it included.
    double height() const { return m_lineHeight * 2; }
    void draw(QPainter& painter, double width, int page, int pages) const {
        if (m_title.isEmpty()) return;
        painter.save();
        painter.setFont(m_font);
        painter.setPen(Qt::black);
        const QRectF line(0, 0, width, m_lineHeight);
        const QString number = QString("Sida %1 av %2").arg(page + 1).arg(pages);
        painter.drawText(line, Qt::AlignRight | Qt::AlignVCenter, number);
        const double numberWidth = QFontMetricsF(m_font, painter.device()).horizontalAdvance(number + "    ");
        painter.drawText(line.adjusted(0, 0, -numberWidth, 0), Qt::AlignLeft | Qt::AlignVCenter, m_title);
        painter.setPen(QPen(Qt::black, m_lineHeight / 20));
        painter.drawLine(QPointF(0, m_lineHeight * 1.3), QPointF(width, m_lineHeight * 1.3));
        painter.restore();
    }

private:
    QString m_title;
    QFont m_font;
    double m_lineHeight = 0;
};

}  // namespace

QString printOnPaper(const QTextDocument& document, QPagedPaintDevice& device) {
    device.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter);
    const std::unique_ptr<QTextDocument> paper(document.clone());
    listsAreCards(*paper);
    paper->documentLayout()->setPaintDevice(&device);
    fontsInPoints(*paper);
    QTextFrameFormat frame = paper->rootFrame()->frameFormat();
    frame.setMargin(0);  // the page's margins are the device's
    paper->rootFrame()->setFrameFormat(frame);

    const PageTitle title(document, device);
    // The text's part of the page: below the title.
    const auto body = [&device, &title] {
        return device.pageLayout().paintRectPixels(device.logicalDpiX()).size() - QSizeF(0, title.height());
    };
    // The width the text needs on a page of this width: more than the page where a line that
    // must not wrap, or a table's column, is wider.
    const auto widthNeeded = [&paper, &body](double width) {
        paper->setPageSize(QSizeF(width, body().height()));
        return std::max(paper->idealWidth(), paper->documentLayout()->documentSize().width());
    };
    double widest = widthNeeded(body().width());
    if (widest > body().width() + 1 && body().width() < body().height()) {
        device.setPageOrientation(QPageLayout::Landscape);
        widest = widthNeeded(body().width());
    }
    const double scale = std::min(1.0, body().width() / std::max(1.0, widest));
    const QSizeF page(body().width() / scale, body().height() / scale);
    paper->setPageSize(page);
    keepCardsTogether(*paper, page.height());
    keepTablesTogether(*paper, page.height());
    repeatListHeadings(*paper, page.height());

    QPainter painter;
    if (!painter.begin(&device)) return "Utskriften kunde inte starta.";
    const int pages = paper->pageCount();
    for (int p = 0; p < pages; ++p) {
        if (p > 0 && !device.newPage())
            return "Utskriften avbr\u00f6ts efter sida " + QString::number(p) + ".";
        title.draw(painter, body().width(), p, pages);
        const QRectF view(0, p * page.height(), page.width(), page.height());
        painter.save();
        painter.translate(0, title.height());
        painter.scale(scale, scale);
        painter.setClipRect(QRectF(QPointF(0, 0), page));
        painter.translate(0, -view.top());
        QAbstractTextDocumentLayout::PaintContext context;
        // A line that starts the next page touches this one's edge: it is left to its page.
        context.clip = view.adjusted(0, 1, 0, -1);
        context.palette.setColor(QPalette::Text, Qt::black);
        paper->documentLayout()->draw(&painter, context);
        painter.restore();
    }
    return painter.end() ? QString() : "Utskriften kunde inte avslutas.";
}

QString printJob(QPrinter& printer, const QString& jobTitle, const QTextDocument& document) {
    printer.setDocName(jobTitle);
    if (!printer.isValid()) return "Utskriften kunde inte starta: ingen skrivare att skriva till.";
    const QString problem = printOnPaper(document, printer);
    if (!problem.isEmpty()) return problem;
    if (printer.printerState() == QPrinter::Error) return "Utskriften \"" + jobTitle + "\" misslyckades.";
    return {};
}

}  // namespace vindelkast
