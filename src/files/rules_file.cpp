#include "files/rules_file.h"

#include <vector>

#include "files/side_text.h"

namespace vindelkast {

namespace {

const char* const kHeader = "%REGLER 1";
const char* const kNeuberg = "NEUBERG";
const char* const kCrossImps = "KORSIMP";
const char* const kButler = "BUTLER";
const char* const kVictoryPoints = "VP";
const char* const kPairMatchesInVp = "VP-PAR";

// Far above the few lines the file holds; a larger one is no rules file.
constexpr std::size_t kMaxRulesBytes = 4096;

}  // namespace

std::string writeRules(const Contest& contest) {
    const ScoringRule& rule = contest.scoringRule;
    if (rule == ScoringRule{}) return "";
    std::string text = std::string(kHeader) + "\r\n";
    if (rule.neuberg) text += std::string(kNeuberg) + "\r\n";
    if (rule.method == ScoringMethod::CrossImps) text += std::string(kCrossImps) + "\r\n";
    if (rule.method == ScoringMethod::Butler) text += std::string(kButler) + "\r\n";
    if (rule.method == ScoringMethod::VictoryPoints) text += std::string(kVictoryPoints) + "\r\n";
    if (rule.pairMatchesInVp) text += std::string(kPairMatchesInVp) + "\r\n";
    return text;
}

std::string readRules(Contest& contest, std::string_view text) {
    if (text.size() > kMaxRulesBytes) return "Regelfilen \xe4r f\xf6r stor";
    const std::vector<std::string_view> lines = sideFileLines(text);
    if (lines.empty() || lines[0] != kHeader) return "Filen \xe4r ingen regelfil (version 1)";
    ScoringRule rule;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::vector<std::string_view> words = lineWords(lines[i]);
        const std::string_view word = words.size() == 1 ? words[0] : std::string_view();
        const bool method = word == kCrossImps || word == kButler || word == kVictoryPoints;
        if (method && rule.imps()) return sideFileFault("regelfilen", i + 1, "tv\xe5 s\xe4tt att r\xe4kna");
        const bool victoryPoints = rule.method == ScoringMethod::VictoryPoints || rule.pairMatchesInVp;
        if ((word == kVictoryPoints || word == kPairMatchesInVp) && victoryPoints)
            return sideFileFault("regelfilen", i + 1, "tv\xe5 s\xe4tt att r\xe4kna");
        if (word == kNeuberg)
            rule.neuberg = true;
        else if (word == kPairMatchesInVp)
            rule.pairMatchesInVp = true;
        else if (method)
            rule.method = word == kButler          ? ScoringMethod::Butler
                          : word == kVictoryPoints ? ScoringMethod::VictoryPoints
                                                   : ScoringMethod::CrossImps;
        else
            return sideFileFault("regelfilen", i + 1, "ok\xe4nd regel");
    }
    contest.scoringRule = rule;
    return "";
}

}  // namespace vindelkast
