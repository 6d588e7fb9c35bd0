#include "app/paper_print.h"

#include <QAbstractTextDocumentLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

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
    }
}

}  // namespace

QString printOnPaper(const QTextDocument& document, QPagedPaintDevice& device) {
    device.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter);
    const std::unique_ptr<QTextDocument> paper(document.clone());
    paper->documentLayout()->setPaintDevice(&device);
    fontsInPoints(*paper);
    QTextFrameFormat frame = paper->rootFrame()->frameFormat();
    frame.setMargin(0);  // the page's margins are the device's
    paper->rootFrame()->setFrameFormat(frame);

    const auto body = [&device] { return device.pageLayout().paintRectPixels(device.logicalDpiX()).size(); };
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

    QPainter painter;
    if (!painter.begin(&device)) return "Utskriften kunde inte starta.";
    painter.scale(scale, scale);
    const int pages = paper->pageCount();
    for (int p = 0; p < pages; ++p) {
        if (p > 0 && !device.newPage())
            return "Utskriften avbr\u00f6ts efter sida " + QString::number(p) + ".";
        const QRectF view(0, p * page.height(), page.width(), page.height());
        painter.save();
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
