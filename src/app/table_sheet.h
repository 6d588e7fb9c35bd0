#pragma once

#include <memory>

#include <QImage>
#include <QString>

#include "tables/table_codes.h"
#include "model/contest.h"

class QTextDocument;

namespace vindelkast {

// The sheet of table slips the director prints before the evening: for every table its
// number, a QR code that opens the table's page already logged in, and the address and
// code in plain text for a phone without a camera. Cut apart, one slip per table.
std::unique_ptr<QTextDocument> tableSheet(const Contest& contest, const TableCodes& codes,
                                          const QString& address);

// The page of one table: ADDRESS + "bord?bord=T&kod=CODE".
QString tableUrl(const QString& address, int table, const QString& code);

// The QR code of a text, black on white with its quiet zone, `scale` pixels a module; a
// null image when the text does not fit a QR code.
QImage qrImage(const QByteArray& text, int scale);

}  // namespace vindelkast
