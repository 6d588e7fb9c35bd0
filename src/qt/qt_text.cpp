#include "qt/qt_text.h"

#include "files/text_encoding.h"

namespace vindelkast {

QString toQt(const std::string& cp1252) { return QString::fromStdString(cp1252ToUtf8(cp1252)); }

std::optional<std::string> fromQt(const QString& text) { return utf8ToCp1252(text.toStdString()); }

std::string fromQtLossy(const QString& text) {
    if (auto whole = fromQt(text)) return *whole;
    std::string out;
    out.reserve(text.size());
    for (const QChar ch : text) {
        const auto one = utf8ToCp1252(QString(ch).toStdString());
        out += one ? *one : std::string("?");
    }
    return out;
}

std::string pathFromQt(const QString& path) { return path.toUtf8().toStdString(); }

QString pathToQt(const std::string& path) {
    return QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size()));
}

}  // namespace vindelkast
