#include "season_maker.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>

#include "archive/evening_date.h"
#include "files/contest_file.h"
#include "files/contest_on_disk.h"
#include "files/member_file.h"
#include "files/rules_file.h"
#include "files/safe_write.h"
#include "files/text_encoding.h"
#include "model/board_results.h"
#include "model/board_scoring.h"
#include "model/team_matches.h"
#include "model/typed_score.h"
#include "model/version.h"
#include "movement/team_round_draw.h"
#include "output/standings_view.h"
#include "support/sample_contests.h"

namespace vindelkast::test {

namespace {

constexpr int kBoardsPerRound = 3;

std::string rulesPath(const std::string& contestPath) {
    return contestPath.substr(0, contestPath.size() - 4) + kRulesExtension;
}
const int kScores[] = {-200, -100, -50, 50, 90, 110, 140, 170, 400, 420, 450, 620};

}  // namespace

std::string SeasonMaker::registerPath() { return VK_SOURCE_DIR "/examples/medlem.txt"; }

SeasonMaker::SeasonMaker(unsigned seed) : m_random(seed) {
    if (loadRegister(registerPath(), m_register) < 10) throw std::runtime_error("no example register");
    // Two fixed pairs, whose partners always tie: Åberg Karin with Almqvist Birgitta, and
    // Åkesson Lars with a guest, Älgh Stina. The rest come and go, and so do two guests.
    m_fixed = {m_register.entry(1), m_register.entry(3), m_register.entry(2),
               m_register.append(Member{"\xc4lgh", "Stina", -1, 0.0})};
    for (int i = 4; i < m_register.memberCount() - 1; ++i) m_pool.push_back(m_register.entry(i));
    m_pool.push_back(m_register.append(Member{"G\xe4stsson", "Olle", -1, 0.0}));
    m_pool.push_back(m_register.append(Member{"Z\xe4ta", "Berit", -1, 0.0}));
}

void SeasonMaker::writeEvening(const std::string& path, const std::string& name, const std::string& dateText,
                               const std::string& arranger, int pairs, const ScoringRule& rule) {
    auto contest = std::make_unique<Contest>();
    contest->reset(m_register);
    contest->contestName = name;
    contest->contestDate = dateText;
    contest->arranger = arranger;
    const int rounds = pairs - 1;
    setUp(*contest, rounds * kBoardsPerRound, rounds, pairs);

    std::shuffle(m_pool.begin(), m_pool.end(), m_random);
    std::vector<Member*> seated = m_fixed;
    seated.insert(seated.end(), m_pool.begin(), m_pool.begin() + (2 * pairs - 4));
    for (int p = 1; p <= pairs; ++p) {
        contest->participants[p].first = seated[2 * p - 2];
        contest->participants[p].second = seated[2 * p - 1];
    }
    contest->participantCount = pairs;

    // Every pair meets every other once (the circle method), NS and EW taking turns.
    std::uniform_int_distribution<int> score(0, static_cast<int>(std::size(kScores)) - 1);
    for (int r = 0; r < rounds; ++r)
        for (int k = 0; k < pairs / 2; ++k) {
            const int a = (r + k) % rounds + 1;
            const int b = k == 0 ? pairs : (r - k + rounds) % rounds + 1;
            const int ns = (r + k) % 2 ? a : b, ew = ns == a ? b : a;
            for (int i = 1; i <= kBoardsPerRound; ++i)
                addResult(contest->boards[r * kBoardsPerRound + i], ns, ew, r + 1, kScores[score(m_random)],
                          0.0f, 0.0f, true);
        }
    for (int b = 1; b <= contest->boardCount; ++b) {
        contest->boardHasScores[b] = true;
        scoreBoard(contest->boards[b], rule);
    }
    contest->scoringRule = rule;
    const std::string message = writeTextSafely(path, contestFileText(*contest, kVersionText));
    if (!message.empty()) throw std::runtime_error(message);
    if (rule.imps()) writeTextSafely(rulesPath(path), writeRules(*contest));
}

std::map<int, int> SeasonMaker::writeTeamSeries(const std::string& first, const std::string& second,
                                                const std::string& name) {
    std::map<int, int> vp;
    auto previous = std::make_unique<Contest>();
    for (const std::string& path : {first, second}) {
        auto contest = std::make_unique<Contest>();
        contest->reset(m_register);
        SetUpRequest request;
        request.contestName = name;
        request.contestDate = path == first ? "2024-03-04" : "2024-03-11";
        const TeamPlan plan{TeamForm::Swiss, 5, 2, 2, 1200, {"Vindeln", "\xc5sele"}};
        const std::string set = path == first ? setUpTeamEvent(*contest, request, plan)
                                              : continueTeamSeries(*previous, *contest, request, plan);
        if (!set.empty()) throw std::runtime_error(set);
        std::shuffle(m_pool.begin(), m_pool.end(), m_random);
        for (int p = 1; p <= 10; ++p) {
            contest->participants[p].first = m_pool[static_cast<std::size_t>(2 * p - 2)];
            contest->participants[p].second = m_pool[static_cast<std::size_t>(2 * p - 1)];
        }
        std::uniform_int_distribution<int> score(0, static_cast<int>(std::size(kScores)) - 1);
        for (int round = 1; round <= 2; ++round) {
            if (drawTeamRound(*contest, true).round != round) throw std::runtime_error("no draw");
            for (int b = 2 * round - 1; b <= 2 * round; ++b)
                for (int i = 0; i < contest->boards[b].resultCount; ++i) {
                    EntryRow row;
                    row.ns = contest->boards[b].results[i].nsPair;
                    row.ew = contest->boards[b].results[i].ewPair;
                    if (!storeTypedScore(*contest, b, row, std::to_string(kScores[score(m_random)])).written)
                        throw std::runtime_error("no score");
                }
            for (const MatchCard& card : roundMatches(*contest, round)) {
                const VpPair match = matchVp(2, card.homeImps, card.awayImps);
                vp[card.home] += match.first;
                vp[card.away] += match.second;
            }
            for (int team : roundByes(*contest, round)) vp[team] += 1200;
        }
        const std::string m = saveContestOnDisk(*contest, path, contestSideFiles(false), kVersionText);
        if (!m.empty()) throw std::runtime_error(m);
        previous = std::move(contest);
    }
    return vp;
}

namespace {

struct Played {
    std::string name;  // UTF-8, as at the latest evening
    std::string latest;
    std::vector<long long> tenths;
};

// "54.3" as 543: the standings print one decimal.
long long tenthsOf(const std::string& text) {
    const auto dot = text.find('.');
    return std::stoll(text.substr(0, dot)) * 10 +
           (dot == std::string::npos ? 0 : std::stoll(text.substr(dot + 1)));
}

// Every player's percentages from one evening's standings view.
void readStandings(const std::string& file, std::map<std::string, Played>& players, const std::string& from,
                   const std::string& to) {
    MemberRegister reg;
    loadRegister(SeasonMaker::registerPath(), reg);
    auto contest = std::make_unique<Contest>();
    contest->reset(reg);
    std::ifstream in(file, std::ios::binary);
    const ContestReadResult read = readContestFile(*contest, in);
    if (read.kind != ContestReadResult::Kind::Ok && read.kind != ContestReadResult::Kind::MissingNames)
        throw std::runtime_error("unreadable " + file);
    if (std::ifstream rules(rulesPath(file), std::ios::binary); rules) {
        const std::string text((std::istreambuf_iterator<char>(rules)), std::istreambuf_iterator<char>());
        if (!readRules(*contest, text).empty()) throw std::runtime_error("unreadable rules " + file);
    }
    const std::string date = readEveningDate(contest->contestDate).value_or("");
    if (date < from || date > to) return;
    std::vector<std::pair<int, int>> ranked;  // place and number, as the view lists them
    std::vector<std::string> percents;
    for (const ViewLine& line : standingsLines(*contest)) {
        std::istringstream words(line.text);
        int place = 0, number = 0;
        if (!(words >> place >> number)) continue;  // the heading
        ranked.emplace_back(place, number);
        percents.push_back(line.text.substr(line.text.find_last_of(' ') + 1));
    }
    for (std::size_t i = 0; i < ranked.size(); ++i) {
        const auto [place, number] = ranked[i];
        long long tenths = 0;
        if (contest->scoringRule.imps()) {
            const auto sharing = std::count_if(ranked.begin(), ranked.end(),
                                               [place = place](const auto& r) { return r.first == place; });
            const double mean = place + (sharing - 1) / 2.0, last = static_cast<double>(ranked.size()) - 1;
            tenths = std::llround((last + 1 - mean) / last * 1000.0);
        } else {
            tenths = tenthsOf(percents[i]);
        }
        const Participant& p = contest->participants[number];
        for (const Member* m : {p.first, contest->isIndividual ? nullptr : p.second}) {
            if (!m) continue;
            const std::string key = m->memberId > 0 ? std::to_string(m->memberId) : "guest " + longName(*m);
            Played& played = players[key];
            if (date >= played.latest) {
                played.name = cp1252ToUtf8(longName(*m));
                played.latest = date;
            }
            played.tenths.push_back(tenths);
        }
    }
}

int letterKey(const std::string& utf8, std::size_t& at) {
    const unsigned char c = utf8[at];
    if (c < 0x80) {
        ++at;
        return std::tolower(c);
    }
    const std::string letter = utf8.substr(at, 2);
    at += 2;
    if (letter == "\xc3\xa5" || letter == "\xc3\x85") return 'z' + 1;
    if (letter == "\xc3\xa4" || letter == "\xc3\x84") return 'z' + 2;
    if (letter == "\xc3\xb6" || letter == "\xc3\x96") return 'z' + 3;
    return 'z' + 4;
}

}  // namespace

bool swedishBefore(const std::string& a, const std::string& b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const int x = letterKey(a, i), y = letterKey(b, j);
        if (x != y) return x < y;
    }
    return a.size() - i < b.size() - j;
}

std::string expectedSeasonCsv(const std::vector<std::string>& files, const std::string& from,
                              const std::string& to, int best, int minimum) {
    std::map<std::string, Played> players;
    for (const std::string& file : files) readStandings(file, players, from, to);
    std::vector<ExpectedPlace> places;
    for (auto& [key, played] : players) {
        if (static_cast<int>(played.tenths.size()) < minimum) continue;
        std::sort(played.tenths.rbegin(), played.tenths.rend());
        const std::size_t counted =
            best > 0 ? std::min<std::size_t>(best, played.tenths.size()) : played.tenths.size();
        long double sum = 0;
        for (std::size_t i = 0; i < counted; ++i) sum += played.tenths[i];
        const auto hundredths = static_cast<long long>(std::floor(sum * 10.0L / counted + 0.5L));
        places.push_back({key.rfind("guest", 0) == 0 ? "" : key, played.name,
                          static_cast<int>(played.tenths.size()), hundredths});
    }
    std::sort(places.begin(), places.end(), [](const ExpectedPlace& x, const ExpectedPlace& y) {
        if (x.hundredths != y.hundredths) return x.hundredths > y.hundredths;
        if (x.evenings != y.evenings) return x.evenings > y.evenings;
        if (x.name != y.name) return swedishBefore(x.name, y.name);
        return std::stoll("0" + x.memberId) < std::stoll("0" + y.memberId);
    });
    std::string csv = "\xef\xbb\xbfplats;medlemsnr;namn;kv\xc3\xa4llar;procent\n";
    char figure[32];
    std::size_t place = 0;
    for (std::size_t i = 0; i < places.size(); ++i) {
        std::snprintf(figure, sizeof figure, "%lld,%02lld", places[i].hundredths / 100,
                      places[i].hundredths % 100);
        // Equal figures share the first one's place.
        if (i == 0 || places[i].hundredths != places[i - 1].hundredths) place = i + 1;
        csv += std::to_string(place) + ";" + places[i].memberId + ";" + places[i].name + ";" +
               std::to_string(places[i].evenings) + ";" + figure + "\n";
    }
    return csv;
}

}  // namespace vindelkast::test
