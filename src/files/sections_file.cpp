#include "files/sections_file.h"

#include <vector>

#include "files/sections_fit.h"
#include "files/side_text.h"

namespace vindelkast {

namespace {

const char* const kHeader = "%SEKTIONER 1";
const char* const kAcross = "OVER-FALTET";
const char* const kPerSection = "SEKTIONSVIS";
const char* const kFile = "sektionsfilen";

// Far above the ten lines the file holds; a larger one is no sections file.
constexpr std::size_t kMaxSectionsBytes = 4096;

}  // namespace

std::string writeSections(const Contest& contest) {
    const Sections& sections = contest.sections;
    if (!sections.any()) return "";
    std::string text =
        std::string(kHeader) + "\r\n" + (sections.acrossField ? kAcross : kPerSection) + "\r\n";
    for (const Section& s : sections.list)
        text += std::string(1, s.letter) + " " + std::to_string(s.firstPair) + " " +
                std::to_string(s.lastPair) + "\r\n";
    return text;
}

std::string readSections(Contest& contest, std::string_view text) {
    if (text.size() > kMaxSectionsBytes) return "Sektionsfilen \xe4r f\xf6r stor";
    const std::vector<std::string_view> lines = sideFileLines(text);
    if (lines.empty() || lines[0] != kHeader) return "Filen \xe4r ingen sektionsfil (version 1)";
    if (lines.size() < 2 || (lines[1] != kAcross && lines[1] != kPerSection))
        return sideFileFault(kFile, 2, "OVER-FALTET eller SEKTIONSVIS saknas");
    Sections read;
    read.acrossField = lines[1] == kAcross;
    for (std::size_t i = 2; i < lines.size(); ++i) {
        const std::vector<std::string_view> words = lineWords(lines[i]);
        Section s;
        if (words.size() != 3 || words[0].size() != 1 || !numberWord(words[1], 1, kMaxPair, s.firstPair) ||
            !numberWord(words[2], 1, kMaxPair, s.lastPair))
            return sideFileFault(kFile, i + 1, "ska vara en bokstav och tv\xe5 parnummer 1-72");
        s.letter = words[0][0];
        read.list.push_back(s);
        const std::string problem = sectionsProblem(read);
        if (!problem.empty()) return sideFileFault(kFile, i + 1, problem);
    }
    if (!read.any()) return sideFileFault(kFile, lines.size(), "minst tv\xe5 sektioner beh\xf6vs");
    if (const std::string misfit = sectionsMisfit(contest, read); !misfit.empty())
        return "Sektionerna passar inte t\xe4vlingen: " + misfit;
    contest.sections = read;
    settleSections(contest);
    return "";
}

}  // namespace vindelkast
