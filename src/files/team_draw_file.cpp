#include "files/team_draw_file.h"

#include <algorithm>
#include <set>
#include <vector>

namespace vindelkast {

namespace {

constexpr std::size_t kMaxLineLength = 200;
constexpr int kMaxLines = 20000;
constexpr std::size_t kMaxNameLength = 40;
constexpr int kMaxImps = 999;

std::vector<std::string_view> wordsOf(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < line.size()) {
        while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) ++at;
        const std::size_t start = at;
        while (at < line.size() && line[at] != ' ' && line[at] != '\t') ++at;
        if (at > start) words.push_back(line.substr(start, at - start));
    }
    return words;
}

// A whole number 0..limit written in digits only; -1 for anything else.
int numberOf(std::string_view word, int limit) {
    if (word.empty() || word.size() > 4) return -1;
    int value = 0;
    for (char c : word) {
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
    }
    return value <= limit ? value : -1;
}

// The reading of one file, line by line.
class TeamDrawReader {
public:
    explicit TeamDrawReader(TeamEvent& event) : m_event(event) {}

    // "" or what is wrong with the line.
    std::string line(std::string_view text) {
        const std::vector<std::string_view> words = wordsOf(text);
        if (words.empty() || words[0][0] == '#') return "";
        const std::string_view key = words[0];
        if (key == "brickor") return setting(words, m_event.boards, kMaxVpBoards);
        if (key == "ronder") return setting(words, m_event.rounds, kMaxTeams);
        if (key == "lag") return team(text, words);
        if (key == "rond") return round(words);
        if (key == "fri") return bye(words);
        if (key == "fast") return fixedMeeting(words);
        if (numberOf(key, kMaxTeams) >= 0) return match(words);
        return "ok\xe4nt ord \"" + std::string(key.substr(0, 20)) + "\"";
    }

    std::string end() const {
        if (m_event.boards == 0) return "\"brickor\" saknas";
        if (m_event.rounds == 0) return "\"ronder\" saknas";
        if (m_event.teams.size() < 2) return "det beh\xf6vs minst tv\xe5 lag";
        return "";
    }

private:
    std::string setting(const std::vector<std::string_view>& words, int& value, int limit) {
        const int given = words.size() == 2 ? numberOf(words[1], limit) : -1;
        if (given < 1) return std::string(words[0]) + " ska vara ett tal 1-" + std::to_string(limit);
        if (value != 0) return std::string(words[0]) + " st\xe5r tv\xe5 g\xe5nger";
        value = given;
        return "";
    }

    std::string team(std::string_view text, const std::vector<std::string_view>& words) {
        const int number = words.size() >= 3 ? numberOf(words[1], kMaxTeams) : -1;
        if (number < 1) return "lag ska ha ett nummer 1-" + std::to_string(kMaxTeams) + " och ett namn";
        if (!m_event.played.empty()) return "lagen ska st\xe5 f\xf6re f\xf6rsta ronden";
        if (known(number)) return "lag " + std::to_string(number) + " st\xe5r tv\xe5 g\xe5nger";
        if (m_event.teams.size() >= static_cast<std::size_t>(kMaxTeams)) return "f\xf6r m\xe5nga lag";
        // The name runs from its first word to the end of the line, spaces and all.
        std::string_view name = text.substr(static_cast<std::size_t>(words[2].data() - text.data()));
        while (!name.empty() && (name.back() == ' ' || name.back() == '\t')) name.remove_suffix(1);
        if (name.size() > kMaxNameLength) return "lagnamnet \xe4r l\xe4ngre \xe4n 40 tecken";
        if (std::any_of(name.begin(), name.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 32 && c != '\t'; }))
            return "lagnamnet har styrtecken";
        m_event.teams.push_back(number);
        m_event.names.emplace_back(name);
        return "";
    }

    std::string round(const std::vector<std::string_view>& words) {
        const int next = static_cast<int>(m_event.played.size()) + 1;
        if (words.size() != 2 || numberOf(words[1], kMaxTeams) != next)
            return "n\xe4sta rond ska vara \"rond " + std::to_string(next) + "\"";
        if (m_event.boards == 0 || m_event.rounds == 0 || m_event.teams.size() < 2)
            return "brickor, ronder och lagen ska st\xe5 f\xf6re f\xf6rsta ronden";
        if (next > m_event.rounds) return "fler ronder \xe4n " + std::to_string(m_event.rounds);
        m_event.played.emplace_back();
        m_inRound.clear();
        return "";
    }

    std::string match(const std::vector<std::string_view>& words) {
        if (m_event.played.empty()) return "en match ska st\xe5 efter \"rond\"";
        if (words.size() != 4) return "en match ska vara: hemmalag bortalag IMP IMP";
        const int home = numberOf(words[0], kMaxTeams);
        const int away = numberOf(words[1], kMaxTeams);
        const int homeImps = numberOf(words[2], kMaxImps);
        const int awayImps = numberOf(words[3], kMaxImps);
        if (homeImps < 0 || awayImps < 0) return "IMP ska vara tal 0-" + std::to_string(kMaxImps);
        if (home == away) return "ett lag kan inte m\xf6ta sig sj\xe4lvt";
        for (int team : {home, away})
            if (std::string problem = playsOnce(team); !problem.empty()) return problem;
        m_event.played.back().matches.push_back({home, away, homeImps, awayImps});
        return "";
    }

    std::string bye(const std::vector<std::string_view>& words) {
        if (m_event.played.empty()) return "\"fri\" ska st\xe5 efter \"rond\"";
        const int team = words.size() == 2 ? numberOf(words[1], kMaxTeams) : -1;
        if (std::string problem = playsOnce(team); !problem.empty()) return problem;
        m_event.played.back().byes.push_back(team);
        return "";
    }

    std::string fixedMeeting(const std::vector<std::string_view>& words) {
        const int a = words.size() == 3 ? numberOf(words[1], kMaxTeams) : -1;
        const int b = words.size() == 3 ? numberOf(words[2], kMaxTeams) : -1;
        if (!known(a) || !known(b)) return "ett fast m\xf6te ska vara tv\xe5 lag i t\xe4vlingen";
        if (a == b) return "ett lag kan inte m\xf6ta sig sj\xe4lvt";
        for (int team : {a, b})
            if (!m_fixed.insert(team).second)
                return "lag " + std::to_string(team) + " har redan ett fast m\xf6te";
        m_event.fixedMeetings.push_back({a, b});
        return "";
    }

    bool known(int team) const {
        return std::find(m_event.teams.begin(), m_event.teams.end(), team) != m_event.teams.end();
    }

    std::string playsOnce(int team) {
        if (!known(team)) return "ok\xe4nt lag";
        if (!m_inRound.insert(team).second)
            return "lag " + std::to_string(team) + " st\xe5r tv\xe5 g\xe5nger i ronden";
        return "";
    }

    TeamEvent& m_event;
    std::set<int> m_inRound;
    std::set<int> m_fixed;
};

}  // namespace

std::string readTeamDraw(std::string_view text, TeamEvent& event) {
    event = TeamEvent{};
    TeamDrawReader reader(event);
    int lineNumber = 0;
    while (!text.empty()) {
        if (++lineNumber > kMaxLines) return "Filen har fler \xe4n " + std::to_string(kMaxLines) + " rader";
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.size() > kMaxLineLength)
            return "Rad " + std::to_string(lineNumber) + ": raden \xe4r f\xf6r l\xe5ng";
        if (std::string problem = reader.line(line); !problem.empty())
            return "Rad " + std::to_string(lineNumber) + ": " + problem;
    }
    if (std::string problem = reader.end(); !problem.empty())
        return "Filen \xe4r ofullst\xe4ndig: " + problem;
    return "";
}

}  // namespace vindelkast
