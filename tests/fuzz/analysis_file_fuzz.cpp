#include <cstddef>
#include <cstdint>
#include <string>

#include "files/analysis_file.h"
#include "fuzz_checks.h"
#include "model/member_register.h"

using namespace vindelkast;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MemberRegister reg;
    Contest contest;
    contest.reset(reg);
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (!readAnalysisFile(contest, text).empty()) return 0;
    for (const BoardAnalysis& analysis : contest.analyses) {
        fuzz::require(analysis.parCount >= 0 &&
                      analysis.parCount <= static_cast<int>(analysis.parContracts.size()));
        for (const auto& row : analysis.tricks)
            for (int tricks : row) fuzz::require(tricks >= 0 && tricks <= 13);
    }
    // What was read is written back the same way and reads again to the same text.
    Contest again;
    again.reset(reg);
    const std::string written = analysisFileText(contest);
    fuzz::require(readAnalysisFile(again, written).empty());
    fuzz::require(analysisFileText(again) == written);
    return 0;
}
