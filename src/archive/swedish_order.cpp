#include "archive/swedish_order.h"

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <memory>

#include "files/text_encoding.h"

namespace vindelkast {

namespace {

// The collator is made once; comparing is safe from several threads.
const icu::Collator* swedishCollator() {
    static const std::unique_ptr<icu::Collator> collator = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::Collator> made(icu::Collator::createInstance(icu::Locale("sv", "SE"), status));
        return U_SUCCESS(status) ? std::move(made) : nullptr;
    }();
    return collator.get();
}

icu::UnicodeString unicode(std::string_view cp1252) {
    const std::string utf8 = cp1252ToUtf8(cp1252);
    return icu::UnicodeString::fromUTF8(icu::StringPiece(utf8.data(), static_cast<int32_t>(utf8.size())));
}

}  // namespace

int compareSwedish(std::string_view a, std::string_view b) {
    const icu::Collator* collator = swedishCollator();
    if (collator) {
        UErrorCode status = U_ZERO_ERROR;
        const UCollationResult result = collator->compare(unicode(a), unicode(b), status);
        if (U_SUCCESS(status) && result != UCOL_EQUAL) return result == UCOL_LESS ? -1 : 1;
    }
    // Equal to the collator (or none to be had): the bytes decide, so the order is total.
    return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
}

}  // namespace vindelkast
