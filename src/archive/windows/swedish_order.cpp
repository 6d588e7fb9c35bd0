// Names in Swedish order on Windows: the system's own collation for "sv-SE" (CompareStringEx),
// where Linux asks ICU. The same promises as there: case only where the letters are alike (small
// before capital, as ICU), å, ä and ö after z, ü with y.
#include <windows.h>

#include <string>

#include "archive/swedish_order.h"
#include "files/text_encoding.h"

namespace vindelkast {

namespace {

std::wstring wide(std::string_view cp1252) {
    const std::string utf8 = cp1252ToUtf8(cp1252);
    if (utf8.empty()) return {};
    const int size =
        ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring text(static_cast<std::size_t>(size), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(), size);
    return text;
}

int compareNames(std::string_view a, std::string_view b) {
    const std::wstring first = wide(a), second = wide(b);
    const int result = ::CompareStringEx(L"sv-SE", 0, first.data(), static_cast<int>(first.size()),
                                         second.data(), static_cast<int>(second.size()), nullptr, nullptr, 0);
    return result == CSTR_LESS_THAN ? -1 : (result == CSTR_GREATER_THAN ? 1 : 0);
}

}  // namespace

std::string loadSwedishOrder() {
    // Windows keeps its collations itself; one that lacks Swedish says so at the first comparison.
    if (::IsValidLocaleName(L"sv-SE")) return "";
    return "Namnen kan inte ordnas i svensk ordning: Windows saknar den svenska sorteringen.";
}

int compareSwedish(std::string_view a, std::string_view b) {
    if (const int c = compareNames(a, b); c != 0) return c;
    // Equal to the collation: the bytes decide, so the order is total.
    return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
}

}  // namespace vindelkast
