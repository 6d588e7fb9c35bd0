#pragma once

// What a printed PDF holds, as poppler's pdftotext reads it back: the pages, each word's box
// in points, and the text line by line as laid out.
#include <QPointF>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QVector>

namespace vindelkast::test {

struct PdfWord {
    int page = 0;
    QRectF box;  // points, from the page's top left
    QString text;
};

struct PdfText {
    QVector<QSizeF> pages;
    QVector<PdfWord> words;
    QStringList lines;  // each laid-out line, its blanks run together

    // The words that lie (even partly) outside the page's margins of `margin` points.
    QStringList outside(double margin) const {
        QStringList found;
        for (const PdfWord& w : words) {
            const QSizeF page = pages.value(w.page);
            if (w.box.left() < margin || w.box.top() < margin || w.box.right() > page.width() - margin ||
                w.box.bottom() > page.height() - margin)
                found << w.text;
        }
        return found;
    }
    // Pairs of words drawn over each other, "a / b": text that runs out of its cell.
    QStringList overlapping() const {
        QStringList found;
        for (int i = 0; i < words.size(); ++i)
            for (int j = i + 1; j < words.size(); ++j)
                if (words[i].page == words[j].page &&
                    words[i]
                        .box.adjusted(0.5, 0.5, -0.5, -0.5)
                        .intersects(words[j].box.adjusted(0.5, 0.5, -0.5, -0.5)))
                    found << words[i].text + " / " + words[j].text;
        return found;
    }
    // Whether a line reads, blanks run together, as one whole line of the PDF.
    bool hasLine(const QString& line) const { return lines.contains(line.simplified()); }
};

inline QString pdfTool(const QStringList& arguments) {
    QProcess tool;
    tool.start(arguments.first(), arguments.mid(1));
    if (!tool.waitForFinished(30000) || tool.exitCode() != 0) return {};
    return QString::fromUtf8(tool.readAllStandardOutput());
}

inline PdfText readPdf(const QString& file) {
    PdfText pdf;
    const QString boxes = pdfTool({"pdftotext", "-bbox", file, "-"});
    static const QRegularExpression tag(
        "<page width=\"([\\d.]+)\" height=\"([\\d.]+)\">|<word xMin=\"([\\d.-]+)\" yMin=\"([\\d.-]+)\" "
        "xMax=\"([\\d.-]+)\" yMax=\"([\\d.-]+)\">([^<]*)</word>");
    for (auto it = tag.globalMatch(boxes); it.hasNext();) {
        const auto m = it.next();
        if (!m.captured(1).isEmpty()) {
            pdf.pages << QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble());
            continue;
        }
        const QPointF topLeft(m.captured(3).toDouble(), m.captured(4).toDouble());
        const QPointF bottomRight(m.captured(5).toDouble(), m.captured(6).toDouble());
        pdf.words << PdfWord{static_cast<int>(pdf.pages.size()) - 1, QRectF(topLeft, bottomRight),
                             m.captured(7)};
    }
    for (const QString& line : pdfTool({"pdftotext", "-layout", file, "-"}).split('\n'))
        if (!line.trimmed().isEmpty()) pdf.lines << line.simplified();
    return pdf;
}

}  // namespace vindelkast::test
