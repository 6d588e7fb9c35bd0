#include "app/results_policy.h"

#include <QByteArray>
#include <QCryptographicHash>

#include "output/site_html.h"

namespace vindelkast {

const std::string& resultsPagePolicy() {
    static const std::string policy =
        "default-src 'none'; style-src 'sha256-" +
        QCryptographicHash::hash(QByteArray::fromStdString(std::string(siteStyle())),
                                 QCryptographicHash::Sha256)
            .toBase64()
            .toStdString() +
        "'; img-src 'self' data:; base-uri 'none'; form-action 'none'; frame-ancestors 'none'";
    return policy;
}

}  // namespace vindelkast
