#pragma once

#include <memory>

#include <QImage>
#include <QString>

#include "model/contest.h"
#include "tables/table_codes.h"

class QTextDocument;

namespace vindelkast {

// The sheet of table slips the director prints before the evening: for every table its
// number, the contest's name and date, a QR code that opens the table's page already
// logged in, the network to join (or a line to write it on), and the address and code in
// plain text for a phone without a camera. Cut apart along the dashed lines, one slip per
// table. `address` is where the server runs: the slips say so.
std::unique_ptr<QTextDocument> tableSheet(const Contest& contest, const TableCodes& codes,
                                          const QString& address, const QString& network);

// The page of one table: ADDRESS + "bord?bord=T&kod=CODE".
QString tableUrl(const QString& address, int table, const QString& code);

// The QR code of a text, black on white with its quiet zone, `scale` pixels a module; a
// null image when the text does not fit a QR code.
QImage qrImage(const QByteArray& text, int scale);

}  // namespace vindelkast
