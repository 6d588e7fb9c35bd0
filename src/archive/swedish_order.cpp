#include "archive/swedish_order.h"

#include <unicode/ucol.h>

#include <atomic>
#include <mutex>

#include "files/text_encoding.h"
#include "model/shared_library.h"

namespace vindelkast {

namespace {

// ICU's C functions carry the library's version in their names ("ucol_open_72"): its headers
// rename each call to the name the installed library exports, and that expansion is the name
// looked up here.
#define VK_ICU_NAME(function) VK_ICU_TEXT(function)
#define VK_ICU_TEXT(name) #name

// The collation functions, from ICU loaded when names are first put in Swedish order.
struct IcuCollation {
    decltype(&ucol_open) open = nullptr;
    decltype(&ucol_strcollUTF8) compareUtf8 = nullptr;
};

void resolveCollation(LibrarySymbols& symbols, IcuCollation& icu) {
    symbols.function(VK_ICU_NAME(ucol_open), icu.open);
    symbols.function(VK_ICU_NAME(ucol_strcollUTF8), icu.compareUtf8);
}

struct SwedishCollator {
    const IcuCollation* icu;
    UCollator* collator;  // never closed: comparing with it is safe from several threads
};

std::atomic<const SwedishCollator*> made{nullptr};

int compareUtf8(const SwedishCollator& swedish, std::string_view a, std::string_view b) {
    const std::string first = cp1252ToUtf8(a);
    const std::string second = cp1252ToUtf8(b);
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult result =
        swedish.icu->compareUtf8(swedish.collator, first.data(), static_cast<int32_t>(first.size()),
                                 second.data(), static_cast<int32_t>(second.size()), &status);
    return U_SUCCESS(status) && result != UCOL_EQUAL ? (result == UCOL_LESS ? -1 : 1) : 0;
}

}  // namespace

std::string loadSwedishOrder() {
    static std::mutex mutex;
    std::lock_guard lock(mutex);
    if (made.load()) return "";
    const char* use = "Namnen kan inte ordnas i svensk ordning: Unicodebiblioteket";
    const auto icu = loadSharedLibrary<IcuCollation>({VK_ICU_FILE, VK_ICU_PACKAGE, use}, resolveCollation);
    if (!icu.table) return icu.message;
    UErrorCode status = U_ZERO_ERROR;
    UCollator* collator = icu.table->open("sv_SE", &status);
    if (!collator || U_FAILURE(status)) return std::string(use) + " ICU saknar den svenska sorteringen.";
    made.store(new SwedishCollator{icu.table, collator});
    return "";
}

int compareSwedish(std::string_view a, std::string_view b) {
    const SwedishCollator* swedish = made.load();
    if (!swedish && loadSwedishOrder().empty()) swedish = made.load();
    if (swedish)
        if (const int c = compareUtf8(*swedish, a, b); c != 0) return c;
    // Equal to the collator (or none to be had): the bytes decide, so the order is total.
    return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
}

}  // namespace vindelkast
