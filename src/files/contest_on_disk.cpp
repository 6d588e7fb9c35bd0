#include "files/contest_on_disk.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "analysis/board_analysis.h"
#include "files/analysis_file.h"
#include "files/contract_file.h"
#include "files/file_platform.h"
#include "files/round_file.h"
#include "files/rules_file.h"
#include "files/safe_write.h"
#include "files/sections_file.h"
#include "files/side_text.h"
#include "files/team_event_file.h"

namespace vindelkast {

namespace {

// What a file system allows for one name (not the whole path), in bytes: ext4, XFS, Btrfs
// and NTFS (in UTF-16 units there) alike.
constexpr std::size_t kLongestFileName = 255;

// Where the file's own name starts and where its extension starts (npos: none).
// Where the file's own name begins: after the last separator of the system's paths ('/', and
// on Windows '\\' too, so that a folder never counts as part of a contest's name).
std::size_t nameStart(const std::string& path) {
    const std::size_t name = utf8Path(filePath(path).filename()).size();
    return path.size() >= name ? path.size() - name : 0;
}

// A side file as the director knows it: its own name, without the folder.
std::string fileNameText(const std::string& path) { return pathText(path.substr(nameStart(path))); }

// "kväll.ronder", "kväll.ronder och kväll.sektion".
std::string namesText(const std::vector<SideProblem>& problems) {
    std::string text;
    for (std::size_t i = 0; i < problems.size(); ++i)
        text += (i == 0 ? "" : i + 1 == problems.size() ? " och " : ", ") + fileNameText(problems[i].path);
    return text;
}

bool unreadHere(const std::vector<SideProblem>& unread, const std::string& path) {
    return std::any_of(unread.begin(), unread.end(),
                       [&path](const SideProblem& p) { return p.path == path; });
}

std::size_t extensionStart(const std::string& path) {
    const std::size_t dot = path.rfind('.');
    return dot != std::string::npos && dot >= nameStart(path) ? dot : std::string::npos;
}

}  // namespace

std::vector<SideFile> contestSideFiles(bool writeAnalysisAndContracts) {
    std::vector<SideFile> sides{
        {kAnalysisExtension, nullptr, readAnalysisFile},
        {kContractsExtension, nullptr,
         [](Contest& c, const std::string& text) { return readContracts(c, text); }},
        // Before the rounds: a team event's rounds are drawn, each slot's round its table. One
        // left from before would make a pairs evening a team event.
        {kTeamEventExtension, writeTeamEvent,
         [](Contest& c, const std::string& text) { return readTeamEvent(c, text); }, true},
        // Before the rounds: the sections settle which numbers sit out and hold no slot.
        // Sections left from before would split an evening played as one field.
        {kSectionsExtension, writeSections,
         [](Contest& c, const std::string& text) { return readSections(c, text); }, true},
        {kRoundsExtension, writeRounds,
         [](Contest& c, const std::string& text) { return readRounds(c, text); }},
        // The file's absence means the linear rule: one left from before would bring Neuberg back.
        {kRulesExtension, writeRules, [](Contest& c, const std::string& text) { return readRules(c, text); },
         true},
    };
    if (writeAnalysisAndContracts) {
        sides[0].write = [](const Contest& c) {
            return hasKeptAnalysis(c) ? analysisFileText(c) : std::string();
        };
        sides[1].write = [](const Contest& c) {
            return c.contracts.empty() ? std::string() : writeContracts(c);
        };
    }
    return sides;
}

std::string besidePath(const std::string& contestPath, const std::string& extension) {
    const std::size_t dot = extensionStart(contestPath);
    return (dot == std::string::npos ? contestPath : contestPath.substr(0, dot)) + extension;
}

WholeFile readWholeFile(const std::string& path, std::size_t limit) {
    WholeFile file;
    std::ifstream in(filePath(path), std::ios::binary);
    file.found = static_cast<bool>(in);
    if (!file.found) return file;
    // Read what the file holds in pieces: sizing the string to the limit first makes the
    // kernel clear megabytes of pages for a file of a few kilobytes. One byte past the
    // limit is enough to tell that the file is too large.
    char piece[16384];
    while (in && file.text.size() <= limit) {
        in.read(piece, static_cast<std::streamsize>(std::min(sizeof piece, limit + 1 - file.text.size())));
        file.text.append(piece, static_cast<std::size_t>(in.gcount()));
    }
    if (file.text.size() > limit) {
        file.tooLarge = true;
        file.text.clear();
    }
    return file;
}

std::string contestNameProblem(const std::string& contestPath, const std::vector<SideFile>& sides) {
    std::size_t longest = 0;
    std::string longestExtension;
    for (const SideFile& side : sides)
        if (side.extension.size() > longest) {
            longest = side.extension.size();
            longestExtension = side.extension;
        }
    const std::string stem = besidePath(contestPath, "").substr(nameStart(contestPath));
    const std::string own = contestPath.substr(nameStart(contestPath));
    if (stem.size() + longest <= kLongestFileName && own.size() <= kLongestFileName) return "";
    const std::size_t dot = extensionStart(contestPath);
    const std::string extension = dot == std::string::npos ? "" : contestPath.substr(dot);
    const std::size_t allowed =
        kLongestFileName - std::max(longest, extension.size() <= kLongestFileName ? extension.size() : 0);
    return "Namnet \xe4r f\xf6r l\xe5ngt: en t\xe4vlings namn f\xe5r vara h\xf6gst " +
           std::to_string(allowed) + " byte" + (extension.empty() ? "" : " utan " + pathText(extension)) +
           " (\xe5, \xe4 och \xf6 r\xe4knas som tv\xe5), annars f\xe5r sidofilen " + longestExtension +
           " inte plats. Ingenting sparades.";
}

ContestReadResult readContestOnDisk(Contest& contest, const std::string& path) {
    const WholeFile file = readWholeFile(path, kLargestContestFile);
    if (!file.found || file.tooLarge) return {ContestReadResult::Kind::NotOpen, "Kan inte l\xe4sa filen"};
    std::istringstream in(file.text);
    return readContestFile(contest, in);
}

std::string SideProblem::shown() const { return pathText(path) + ": " + message; }

std::vector<SideProblem> readSideFiles(Contest& contest, const std::string& contestPath,
                                       const std::vector<SideFile>& sides) {
    std::vector<SideProblem> problems;
    for (const SideFile& side : sides) {
        const std::string path = besidePath(contestPath, side.extension);
        const WholeFile file = readWholeFile(path, kMaxSideFileBytes);
        if (!file.found) continue;
        std::string message = file.tooLarge ? "Filen \xe4r f\xf6r stor" : side.read(contest, file.text);
        if (!message.empty()) problems.push_back({side.extension, path, std::move(message), file.text});
    }
    return problems;
}

std::string unusableSidesRefusal(const std::vector<SideProblem>& unread) {
    for (const SideProblem& problem : unread)
        if (problem.extension == kRulesExtension || problem.extension == kSectionsExtension ||
            problem.extension == kTeamEventExtension)
            return fileNameText(problem.path) + " kunde inte l\xe4sas: " + problem.message +
                   "\n\nT\xe4vlingen \xf6ppnas inte utan den, eftersom givarna d\xe5 skulle r\xe4knas p\xe5 "
                   "ett "
                   "annat s\xe4tt. R\xe4tta filen eller flytta undan den.";
    return "";
}

std::string unreadSidesText(const std::vector<SideProblem>& unread) {
    if (unread.empty()) return "";
    std::string text;
    for (const SideProblem& problem : unread)
        text += "Kunde inte l\xe4sa " + fileNameText(problem.path) + ": " + problem.message + "\n";
    const bool one = unread.size() == 1;
    return text + "\nDet som st\xe5r i " + (one ? "filen" : "filerna") + " finns inte med i t\xe4vlingen. " +
           (one ? "Filen l\xe4mnas som den" : "Filerna l\xe4mnas som de") +
           " \xe4r, och programmet fr\xe5gar innan " + (one ? "den" : "de") +
           " skrivs \xf6ver n\xe4r t\xe4vlingen sparas.";
}

std::string overwriteUnreadQuestion(const std::vector<SideProblem>& unread) {
    const bool one = unread.size() == 1;
    return namesText(unread) + " kunde inte l\xe4sas och har l\xe4mnats som " + (one ? "den" : "de") +
           " var. Skriva \xf6ver " + (one ? "den" : "dem") +
           " med det t\xe4vlingen har nu?\n\nJa: skriv \xf6ver. Nej: spara t\xe4vlingen men l\xe4mna " +
           (one ? "filen" : "filerna") + " or\xf6rd" + (one ? "." : "a.") + " Avbryt: spara inte.";
}

std::string unreadSidesRefusal(const std::vector<SideProblem>& unread, const std::vector<SideFile>& sides) {
    for (const SideProblem& problem : unread)
        for (const SideFile& side : sides)
            if (side.write && side.extension == problem.extension)
                return "Ingenting sparades: " + fileNameText(problem.path) + " kunde inte l\xe4sas (" +
                       problem.message +
                       "), och det som st\xe5r i den skulle g\xe5 f\xf6rlorat. R\xe4tta filen eller " +
                       "flytta undan den.";
    return "";
}

std::string saveContestOnDisk(Contest& contest, const std::string& contestPath,
                              const std::vector<SideFile>& sides, const std::string& version,
                              const std::vector<SideProblem>& unread, bool overwriteUnread) {
    std::string problem = contestNameProblem(contestPath, sides);
    if (!problem.empty()) return problem;
    problem = writeFileSafely(
        contestPath, [&contest, &version](std::ostream& out) { writeContest(contest, out, version); });
    for (const SideFile& side : sides) {
        if (!problem.empty()) break;
        const std::string path = besidePath(contestPath, side.extension);
        const bool unreadThere = unreadHere(unread, path);
        if (!side.write || (unreadThere && !overwriteUnread)) continue;
        const std::string text = side.write(contest);
        if (!text.empty())
            problem = writeTextSafely(path, text);
        else if (side.removeWhenEmpty || unreadThere)
            problem = removeSideFile(path);
    }
    return problem;
}

std::vector<RecoverySection> recoverySections(const Contest& contest, const std::vector<SideFile>& sides,
                                              const std::vector<SideProblem>& unread) {
    std::vector<RecoverySection> sections;
    for (const SideFile& side : sides) {
        const auto kept = std::find_if(unread.begin(), unread.end(), [&side](const SideProblem& p) {
            return p.extension == side.extension && !p.found.empty();
        });
        if (kept != unread.end())
            sections.push_back({side.extension, kept->found});
        else if (side.write)
            if (std::string text = side.write(contest); !text.empty())
                sections.push_back({side.extension, std::move(text)});
    }
    return sections;
}

std::string readRecoverySections(Contest& contest, const std::vector<SideFile>& sides,
                                 const std::vector<RecoverySection>& sections) {
    const std::vector<SideProblem> problems = readRecoverySides(contest, sides, sections, "");
    return problems.empty() ? "" : problems.front().message;
}

std::vector<SideProblem> readRecoverySides(Contest& contest, const std::vector<SideFile>& sides,
                                           const std::vector<RecoverySection>& sections,
                                           const std::string& contestPath) {
    std::vector<SideProblem> problems;
    for (const SideFile& side : sides)
        for (const RecoverySection& section : sections)
            if (section.name == side.extension)
                if (std::string problem = side.read(contest, section.text); !problem.empty())
                    problems.push_back({side.extension, besidePath(contestPath, side.extension),
                                        std::move(problem), section.text});
    return problems;
}

std::string recoveryFileText() {
    // The contest and its side files: never more than twice the largest contest file.
    return readWholeFile(kRecoveryFileName, 2 * kLargestContestFile).text;
}

std::string removeRecoveryFile() { return removeSideFile(kRecoveryFileName); }

}  // namespace vindelkast
