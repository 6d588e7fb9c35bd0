#include "files/team_event_file.h"

#include <algorithm>
#include <vector>

#include "files/side_text.h"
#include "model/victory_points.h"

namespace vindelkast {

namespace {

const char* const kHeader = "%LAG 1";
const char* const kSwiss = "MONRAD";
const char* const kRoundRobin = "ALLA-MOT-ALLA";
const char* const kSwissPairs = "MONRAD-PAR";

const char* formWord(TeamForm form) {
    return form == TeamForm::RoundRobin ? kRoundRobin : form == TeamForm::SwissPairs ? kSwissPairs : kSwiss;
}
const char* const kFile = "lagfilen";

// Far above what 36 teams' names and a season's corrections take.
constexpr std::size_t kMaxTeamFileBytes = 64 * 1024;
// A season of evenings: far more than a series plays, small enough that no sum overflows.
constexpr int kMaxEarlierRounds = 1000;
constexpr int kMaxCarriedVp = kMaxEarlierRounds * 2500;
constexpr int kMaxCarriedImps = 1'000'000;

// The rest of a line after its first `count` words: a name may hold blanks.
std::string_view restOfLine(std::string_view line, int count) {
    const char* const blanks = " \t";
    std::size_t at = 0;
    for (int i = 0; i < count; ++i) {
        at = line.find_first_not_of(blanks, at);
        at = line.find_first_of(blanks, at);
        if (at == std::string_view::npos) return {};
    }
    at = line.find_first_not_of(blanks, at);
    return at == std::string_view::npos ? std::string_view() : line.substr(at);
}

bool printable(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) >= 0x20; });
}

}  // namespace

std::string readMeetings(std::string_view text, int teams, std::vector<std::pair<int, int>>& meetings) {
    std::vector<std::pair<int, int>> read;
    std::vector<bool> taken(static_cast<std::size_t>(std::max(teams, 0)) + 1, false);
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        const std::string_view part = text.substr(0, comma);
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
        std::string blankless;
        for (char c : part)
            if (c != ' ' && c != '\t') blankless += c;
        if (blankless.empty()) continue;
        const std::size_t dash = blankless.find('-');
        int a = 0, b = 0;
        if (dash == std::string::npos ||
            !numberWord(std::string_view(blankless).substr(0, dash), 1, teams, a) ||
            !numberWord(std::string_view(blankless).substr(dash + 1), 1, teams, b) || a == b)
            return "\"" + blankless + "\" \xe4r inget m\xf6te mellan tv\xe5 lag i t\xe4vlingen";
        for (int team : {a, b}) {
            if (taken[static_cast<std::size_t>(team)])
                return "Lag " + std::to_string(team) + " st\xe5r i tv\xe5 m\xf6ten";
            taken[static_cast<std::size_t>(team)] = true;
        }
        read.emplace_back(a, b);
    }
    meetings = std::move(read);
    return "";
}

bool vpWord(std::string_view word, int& hundredths, int limit) {
    bool negative = !word.empty() && word[0] == '-';
    if (negative) word.remove_prefix(1);
    const std::size_t mark = word.find_first_of(",.");
    const std::string_view whole = word.substr(0, mark);
    std::string fraction(mark == std::string_view::npos ? "" : word.substr(mark + 1));
    int units = 0, cents = 0;
    if (whole.empty() || fraction.size() > 2 || !numberWord(whole, 0, limit / 100, units)) return false;
    if (mark != std::string_view::npos && (fraction.empty() || !numberWord(fraction, 0, 99, cents)))
        return false;
    if (fraction.size() == 1) cents *= 10;
    const int value = units * 100 + cents;
    if (value > limit) return false;
    hundredths = negative ? -value : value;
    return true;
}

std::string writeTeamEvent(const Contest& contest) {
    const TeamSetup& teams = contest.teams;
    if (!teams.any()) return "";
    std::string text = std::string(kHeader) + "\r\n";
    text += std::string(formWord(teams.form)) + "\r\n";
    text += "LAG " + std::to_string(teams.teamCount) + "\r\n";
    text += "FRI-VP " + vpText(teams.byeVp) + "\r\n";
    for (std::size_t i = 0; i < teams.names.size(); ++i)
        if (!teams.names[i].empty()) text += "NAMN " + std::to_string(i + 1) + " " + teams.names[i] + "\r\n";
    for (const auto& [a, b] : teams.fixedMeetings)
        text += "FAST " + std::to_string(a) + " " + std::to_string(b) + "\r\n";
    for (const VpAdjustment& j : teams.adjustments)
        text += "JUSTERING " + std::to_string(j.round) + " " + std::to_string(j.team) + " " + vpText(j.vp) +
                "\r\n";
    for (const CarriedTotals& c : teams.carried)
        text += "TIDIGARE " + std::to_string(c.team) + " " + vpText(c.vp) + " " + std::to_string(c.impsFor) +
                " " + std::to_string(c.impsAgainst) + "\r\n";
    for (const auto& [a, b] : teams.earlierMeetings)
        text += "MOTT " + std::to_string(a) + " " + std::to_string(b) + "\r\n";
    for (int team : teams.earlierByes) text += "HADE-FRI " + std::to_string(team) + "\r\n";
    if (teams.earlierRounds > 0) text += "TIDIGARE-RONDER " + std::to_string(teams.earlierRounds) + "\r\n";
    return text;
}

std::string readTeamEvent(Contest& contest, std::string_view text) {
    if (text.size() > kMaxTeamFileBytes) return "Lagfilen \xe4r f\xf6r stor";
    const std::vector<std::string_view> lines = sideFileLines(text);
    if (lines.empty() || lines[0] != kHeader) return "Filen \xe4r ingen lagfil (version 1)";
    TeamSetup read;
    for (TeamForm form : {TeamForm::Swiss, TeamForm::RoundRobin, TeamForm::SwissPairs})
        if (lines.size() >= 3 && lines[1] == formWord(form)) read.form = form;
    if (!read.any()) return sideFileFault(kFile, 2, "MONRAD, MONRAD-PAR eller ALLA-MOT-ALLA saknas");
    const int most = read.form == TeamForm::SwissPairs ? kMaxPair : kMaxEventTeams;
    const std::vector<std::string_view> count = lineWords(lines[2]);
    if (count.size() != 2 || count[0] != "LAG" || !numberWord(count[1], 2, most, read.teamCount))
        return sideFileFault(kFile, 3, "antal lag (LAG 2-" + std::to_string(most) + ") saknas");
    read.names.resize(static_cast<std::size_t>(read.teamCount));
    for (std::size_t i = 3; i < lines.size(); ++i) {
        const std::vector<std::string_view> words = lineWords(lines[i]);
        if (words.empty()) continue;
        const std::string_view key = words[0];
        int a = 0, b = 0, vp = 0, against = 0;
        const int teams = read.teamCount;
        if (key == "FRI-VP" && words.size() == 2 && vpWord(words[1], vp) && vp >= 0 && vp <= kVpMatchTotal) {
            read.byeVp = vp;
        } else if (key == "NAMN" && words.size() >= 3 && numberWord(words[1], 1, teams, a)) {
            const std::string_view name = restOfLine(lines[i], 2);
            if (name.size() > kMaxTeamNameBytes || !printable(name))
                return sideFileFault(kFile, i + 1, "f\xf6r l\xe5ngt eller otill\xe5tet lagnamn");
            read.names[static_cast<std::size_t>(a - 1)] = std::string(name);
        } else if (key == "FAST" && words.size() == 3 && numberWord(words[1], 1, teams, a) &&
                   numberWord(words[2], 1, teams, b) && a != b) {
            const bool taken =
                std::any_of(read.fixedMeetings.begin(), read.fixedMeetings.end(), [&](const auto& m) {
                    return m.first == a || m.second == a || m.first == b || m.second == b;
                });
            if (taken) return sideFileFault(kFile, i + 1, "ett lag i tv\xe5 fasta m\xf6ten");
            read.fixedMeetings.emplace_back(a, b);
        } else if (key == "JUSTERING" && words.size() == 4 && numberWord(words[1], 1, kMaxBoard, a) &&
                   numberWord(words[2], 1, teams, b) && vpWord(words[3], vp)) {
            read.adjustments.push_back({a, b, vp});
        } else if (key == "TIDIGARE" && words.size() == 5 && numberWord(words[1], 1, teams, a) &&
                   vpWord(words[2], vp, kMaxCarriedVp) && numberWord(words[3], 0, kMaxCarriedImps, b) &&
                   numberWord(words[4], 0, kMaxCarriedImps, against)) {
            read.carried.push_back({a, vp, b, against});
        } else if (key == "MOTT" && words.size() == 3 && numberWord(words[1], 1, teams, a) &&
                   numberWord(words[2], 1, teams, b) && a != b) {
            read.earlierMeetings.emplace_back(a, b);
        } else if (key == "HADE-FRI" && words.size() == 2 && numberWord(words[1], 1, teams, a)) {
            read.earlierByes.push_back(a);
        } else if (key == "TIDIGARE-RONDER" && words.size() == 2 &&
                   numberWord(words[1], 1, kMaxEarlierRounds, read.earlierRounds)) {
        } else {
            return sideFileFault(kFile, i + 1, "ok\xe4nd eller felaktig rad");
        }
    }
    contest.teams = std::move(read);
    return "";
}

}  // namespace vindelkast
