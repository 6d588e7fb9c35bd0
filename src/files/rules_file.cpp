#include "files/rules_file.h"

#include <vector>

#include "files/side_text.h"

namespace vindelkast {

namespace {

const char* const kHeader = "%REGLER 1";
const char* const kNeuberg = "NEUBERG";

// Far above the few lines the file holds; a larger one is no rules file.
constexpr std::size_t kMaxRulesBytes = 4096;

}  // namespace

std::string writeRules(const Contest& contest) {
    if (!contest.neuberg) return "";
    return std::string(kHeader) + "\r\n" + kNeuberg + "\r\n";
}

std::string readRules(Contest& contest, std::string_view text) {
    if (text.size() > kMaxRulesBytes) return "Regelfilen \xe4r f\xf6r stor";
    const std::vector<std::string_view> lines = sideFileLines(text);
    if (lines.empty() || lines[0] != kHeader) return "Filen \xe4r ingen regelfil (version 1)";
    bool neuberg = false;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::vector<std::string_view> words = lineWords(lines[i]);
        if (words.size() != 1 || words[0] != kNeuberg)
            return sideFileFault("regelfilen", i + 1, "ok\xe4nd regel");
        neuberg = true;
    }
    contest.neuberg = neuberg;
    return "";
}

}  // namespace vindelkast
