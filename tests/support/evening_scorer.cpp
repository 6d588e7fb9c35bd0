#include "support/evening_scorer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numeric>
#include <set>

namespace vindelkast::test {

namespace {

using Group = std::vector<const TableResult*>;

// The smallest difference of each step of the scale: 20-40 is 1 IMP ... 4000 and more 24.
constexpr std::array<int, 24> kImpSteps = {20,   50,   90,   130,  170,  220,  270,  320,
                                           370,  430,  500,  600,  750,  900,  1100, 1300,
                                           1500, 1750, 2000, 2250, 2500, 3000, 3500, 4000};

int sectionOf(const EveningRules& rules, int pair) {
    for (std::size_t s = 0; s < rules.sections.size(); ++s)
        if (std::count(rules.sections[s].begin(), rules.sections[s].end(), pair)) return static_cast<int>(s);
    return -1;
}

// Which results a result is compared with: the whole board, or its own section's on it.
int groupOf(const EveningRules& rules, const TableResult& r) {
    return rules.acrossField || rules.sections.size() < 2 ? 0 : sectionOf(rules, r.ns);
}

bool imps(const EveningRules& rules) {
    return rules.scoring == Scoring::CrossImps || rules.scoring == Scoring::Butler;
}

// 2 for each result beaten and 1 for each tie; an adjusted result gets its percentage of the
// top and ties with every bridge score, or by Neuberg the bridge scores are raised to the
// whole count.
void matchpoint(const EveningRules& rules, const Group& group, EveningFigures& out) {
    const double n = static_cast<double>(group.size());
    const auto bridge = static_cast<double>(
        std::count_if(group.begin(), group.end(), [](const TableResult* r) { return !r->adjusted; }));
    for (int side = 0; side < 2; ++side) {
        const auto score = [side](const TableResult* r) { return side == 0 ? r->nsScore : -r->nsScore; };
        for (const TableResult* r : group) {
            double points = 0;
            if (r->adjusted) {
                points = (side == 0 ? r->nsPercent : r->ewPercent) * 2 * (n - 1) / 100;
            } else {
                for (const TableResult* o : group)
                    if (o != r && !o->adjusted)
                        points += score(r) > score(o) ? 2 : score(r) == score(o) ? 1 : 0;
                points =
                    rules.scoring == Scoring::Neuberg ? (points + 1) * n / bridge - 1 : points + n - bridge;
            }
            out.points[{r->board, r->ns, r->ew}][static_cast<std::size_t>(side)] = points;
        }
    }
}

void impScore(const EveningRules& rules, const Group& group, EveningFigures& out) {
    std::vector<int> scores;
    for (const TableResult* r : group)
        if (!r->adjusted) scores.push_back(r->nsScore);
    std::sort(scores.begin(), scores.end());
    std::vector<int> counted(scores.size() >= 5 ? scores.begin() + 1 : scores.begin(),
                             scores.size() >= 5 ? scores.end() - 1 : scores.end());
    const double mean =
        counted.empty() ? 0 : std::accumulate(counted.begin(), counted.end(), 0.0) / counted.size();
    const int datum = static_cast<int>(std::round(mean / 10)) * 10;
    for (const TableResult* r : group) {
        double ns = 0;
        if (r->adjusted) {
            out.points[{r->board, r->ns, r->ew}] = {(r->nsPercent - 50) * 0.3, (r->ewPercent - 50) * 0.3};
            continue;
        }
        if (rules.scoring == Scoring::Butler) ns = impsFor(r->nsScore - datum);
        for (int other : scores)
            if (rules.scoring == Scoring::CrossImps && scores.size() > 1)
                ns += impsFor(r->nsScore - other) / (scores.size() - 1.0);
        out.points[{r->board, r->ns, r->ew}] = {ns, -ns};
    }
}

// A board played fewer times than the most-played ones is raised to their count.
void raise(const EveningRules& rules, const std::map<std::pair<int, int>, Group>& groups,
           EveningFigures& out) {
    std::map<int, double> most;
    std::set<int> raised;
    for (const auto& [key, group] : groups) most[key.second] = std::max(most[key.second], 1.0 * group.size());
    for (const auto& [key, group] : groups) {
        const double n = static_cast<double>(group.size()), top = most[key.second];
        if (n <= 1 || n >= top) continue;
        raised.insert(key.first);
        for (const TableResult* r : group)
            for (double& points : out.points[{r->board, r->ns, r->ew}])
                points = rules.scoring == Scoring::Neuberg ? (points + 1) * top / n - 1
                                                           : points * (top - 1) / (n - 1);
    }
    out.raisedBoards = static_cast<int>(raised.size());
}

// Who is vulnerable on boards 1-16, and again from 17: nobody, NS, EW or both.
constexpr char kVulnerable[] = "-NEBNEB-EB-NB-NE";
bool vulnerable(int board, const char* declarer) {
    const char v = kVulnerable[(board - 1) % 16];
    return v == 'B' || v == (declarer[0] == 'N' || declarer[0] == 'S' ? 'N' : 'E');
}

}  // namespace

const std::array<Outcome, 9> kOutcomes = {{{"3NT", "N", 9, 400, 600},
                                           {"3NT", "S", 10, 430, 630},
                                           {"4S", "E", 10, -420, -620},
                                           {"4S", "W", 9, 50, 100},
                                           {"2H", "N", 8, 110, 110},
                                           {"1NT", "W", 7, -90, -90},
                                           {"3NT", "N", 8, -50, -100},
                                           {"pass", "N", 0, 0, 0},
                                           {"4HX", "S", 8, -300, -500}}};

int scoreOf(const Outcome& o, int board) {
    return vulnerable(board, o.declarer) ? o.vulnerableScore : o.score;
}

std::string typedForm(int score, int board, bool whole) {
    if (score == (vulnerable(board, "N") ? 600 : 400)) return "a";
    if (score == (vulnerable(board, "E") ? -620 : -420)) return "S";
    if (score == 50 || score == -50) return score > 0 ? "\xa7" : "\xbd";
    const int cut = score / 10;
    if (!whole && score % 10 == 0 && std::abs(cut) >= 5 && std::abs(cut) != 6 && cut % 10 != 0)
        return std::to_string(cut);
    return std::to_string(score);
}

int impsFor(int difference) {
    const auto steps = std::count_if(kImpSteps.begin(), kImpSteps.end(),
                                     [difference](int step) { return std::abs(difference) >= step; });
    return difference < 0 ? static_cast<int>(-steps) : static_cast<int>(steps);
}

EveningFigures scoreEvening(const EveningRules& rules, const TableResults& results) {
    EveningFigures out;
    std::map<std::pair<int, int>, Group> groups;  // {board, group}
    for (const auto& [key, r] : results)
        if (r.played) groups[{r.board, groupOf(rules, r)}].push_back(&r);
    for (const auto& [key, group] : groups)
        imps(rules) ? impScore(rules, group, out) : matchpoint(rules, group, out);
    if (!imps(rules) && (rules.levelled || (rules.sections.size() > 1 && rules.acrossField)))
        raise(rules, groups, out);

    std::map<int, double> sum;
    for (const auto& [key, r] : results) {
        if (!r.played) continue;
        const auto& points = out.points[{r.board, r.ns, r.ew}];
        sum[r.ns] += points[0], sum[r.ew] += points[1];
        ++out.boards[r.ns], ++out.boards[r.ew];
    }
    int mostPlayed = 0;
    for (const auto& [pair, played] : out.boards) mostPlayed = std::max(mostPlayed, played);
    for (const auto& [pair, played] : out.boards) {
        out.evenPlay = out.evenPlay && played == mostPlayed;
        // A pair that missed boards is given its own average on them.
        const double total = sum[pair] * mostPlayed / played;
        out.total[pair] = imps(rules) ? sum[pair] : std::floor(total * 10 + 1e-6) / 10;
    }
    for (std::size_t s = 0; s < rules.sections.size(); ++s) {
        const int own = rules.acrossField ? 0 : static_cast<int>(s);
        std::size_t fullest = 0;
        for (const auto& [key, group] : groups)
            if (key.second == own) fullest = std::max(fullest, group.size());
        out.mean.push_back(mostPlayed * (static_cast<int>(fullest) - 1));
        for (int pair : rules.sections[s]) out.percent[pair] = out.total[pair] * 50 / out.mean.back();
    }
    return out;
}

}  // namespace vindelkast::test
