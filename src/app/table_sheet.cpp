#include "app/table_sheet.h"

#include <qrencode.h>

#include <QTextDocument>
#include <QUrl>

#include "model/sections.h"
#include "qt/qt_text.h"

namespace vindelkast {

namespace {

constexpr int kQuietZone = 4;  // modules of white around the code, as readers expect
constexpr int kSlipsPerPage = 4;

}  // namespace

QString tableUrl(const QString& address, int table, const QString& code) {
    return address + "bord?bord=" + QString::number(table) + "&kod=" + code;
}

QImage qrImage(const QByteArray& text, int scale) {
    QRcode* code = QRcode_encodeString(text.constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1);
    if (!code) return {};
    const int side = (code->width + 2 * kQuietZone) * scale;
    QImage image(side, side, QImage::Format_Mono);
    image.setColorCount(2);
    image.fill(1);  // colour table below: 1 is white
    image.setColor(0, qRgb(0, 0, 0));
    image.setColor(1, qRgb(255, 255, 255));
    for (int y = 0; y < code->width; ++y)
        for (int x = 0; x < code->width; ++x) {
            if (!(code->data[y * code->width + x] & 1)) continue;
            for (int dy = 0; dy < scale; ++dy)
                for (int dx = 0; dx < scale; ++dx)
                    image.setPixel((x + kQuietZone) * scale + dx, (y + kQuietZone) * scale + dy, 0);
        }
    QRcode_free(code);
    return image;
}

std::unique_ptr<QTextDocument> tableSheet(const Contest& contest, const TableCodes& codes,
                                          const QString& address, const QString& network) {
    auto sheet = std::make_unique<QTextDocument>();
    const QString name = toQt(contest.contestName).toHtmlEscaped();
    const QString date = toQt(contest.contestDate).toHtmlEscaped();
    const QString net = network.trimmed().isEmpty() ? "_______________________"
                                                    : "<b>" + network.trimmed().toHtmlEscaped() + "</b>";
    // Dashed lines with scissors between the slips, for cutting them apart.
    const QString cut = "<p style=\"font-size:8pt;color:#666\">\u2702 " + QString("- ").repeated(78) + "</p>";
    QString html = "<html><body style=\"font-family:'DejaVu Sans',sans-serif\">";
    for (int t = 1; t <= static_cast<int>(codes.tables.size()); ++t) {
        const QString code = QString::fromStdString(codes.tables[t - 1]);
        const QString label = toQt(tableLabel(contest, t));
        const QString url = tableUrl(address, t, code);
        const QString shown = QString::fromStdString(codeForReading(codes.tables[t - 1]));
        const QUrl image("qr:bord" + QString::number(t));
        sheet->addResource(QTextDocument::ImageResource, image, qrImage(url.toUtf8(), 6));
        const bool newPage = t > 1 && (t - 1) % kSlipsPerPage == 0;
        if (newPage) html += "<div style=\"page-break-before:always\"></div>";
        if (t == 1 || newPage) html += cut;
        html += "<table width=\"100%\" cellpadding=\"4\">";
        html += "<tr><td width=\"190\"><img src=\"" + image.toString() +
                "\" width=\"180\" height=\"180\"></td><td>";
        html += "<p style=\"font-size:22pt;font-weight:bold\">Bord " + label + "</p>";
        html += "<p style=\"font-size:11pt\">" + name + (name.isEmpty() || date.isEmpty() ? "" : " \u00b7 ") +
                date + "<br>N\u00e4tverk: " + net + "<br>Skanna koden med mobilen, eller \u00f6ppna<br><b>" +
                address.toHtmlEscaped() + "</b><br>och logga in med bord " + label + " och koden</p>";
        html += "<p style=\"font-size:22pt;font-weight:bold;font-family:'DejaVu Sans Mono',monospace\">" +
                shown + "</p></td></tr></table>" + cut;
    }
    html += "</body></html>";
    sheet->setHtml(html);
    return sheet;
}

}  // namespace vindelkast
