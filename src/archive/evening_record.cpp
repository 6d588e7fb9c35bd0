#include "archive/evening_record.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <memory>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "archive/evening_date.h"
#include "files/contest_file.h"
#include "files/contest_on_disk.h"
#include "files/contract_file.h"
#include "files/file_platform.h"
#include "files/rules_file.h"
#include "files/safe_write.h"
#include "files/team_event_file.h"
#include "model/scoring_form.h"
#include "model/section_standings.h"
#include "model/standings.h"

namespace vindelkast {

namespace {

ArchivedPlayer playerOf(const Member* member) {
    if (!member) return {};
    // Ids below 1 are nobody's in the register (-1 is a name typed without one): a guest.
    return {member->memberId > 0 ? member->memberId : 0, longName(*member)};
}

// A figure exactly as the standings print it, so a season figure can be checked by hand
// against the evenings' own lists (printf's rounding, without the locale's decimal sign).
double shownFigure(double figure, int decimals) {
    char text[64];
    const auto written = std::to_chars(text, text + sizeof text, figure, std::chars_format::fixed, decimals);
    double shown = 0.0;
    std::from_chars(text, written.ptr, shown);
    return shown;
}

double shownPercent(double total, int mean) { return shownFigure(percentOfMean(total, mean), 1); }

// The standings' column of percentages, -1 where the form has none.
int percentColumn(const std::vector<FigureColumn>& columns) {
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (std::string_view(columns[i].unit) == "%") return static_cast<int>(i);
    return -1;
}

// IMPs cannot be added up with matchpoint percentages, so an evening without percentages
// counts in a season by its ranking alone: a place is turned into the share of the other pairs
// it finished above, 100 % for the winner, 0 % for the last, 50 % in the middle; pairs
// sharing places share the mean of them.
double rankShare(const Standings& standings, const StandingsRow& row) {
    const double last = static_cast<double>(standings.rows.size()) - 1.0;
    const auto sharing =
        std::count_if(standings.rows.begin(), standings.rows.end(),
                      [&row](const StandingsRow& other) { return other.place == row.place; });
    const double place = row.place + (static_cast<double>(sharing) - 1.0) / 2.0;
    return last > 0 ? std::round((last + 1.0 - place) / last * 1000.0) / 10.0 : 100.0;
}

// An evening in sections counts as its whole field's list stands: each pair's percentage of
// its own section's mean (a section matchpointed alone has its own top), the field placed
// by those percentages.
void addSectionedEntries(const Contest& contest, Evening& evening) {
    std::vector<std::pair<double, ArchivedEntry>> field;
    for (std::size_t s = 0; s < contest.sections.list.size(); ++s) {
        const SectionStandings section = sectionStandings(contest, static_cast<int>(s));
        for (int place = 1; place <= section.totals.n && section.totals.ranking[place] != 0; ++place) {
            ArchivedEntry entry;
            entry.number = section.totals.ranking[place];
            entry.players = playersOf(contest, entry.number);
            entry.total = section.totals.total[entry.number];
            entry.top = 2.0 * section.mean;
            entry.percent = shownPercent(entry.total, section.mean);
            field.emplace_back(percentOfMean(entry.total, section.mean), std::move(entry));
        }
    }
    std::stable_sort(field.begin(), field.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first + 1e-9; });
    int place = 0;
    for (auto& [percent, entry] : field) {
        entry.place = ++place;
        evening.entries.push_back(std::move(entry));
    }
}

// Each pair's total as the standings show it (a form without a top has none) and its
// percentage or share of the ranking.
void addEntries(const Contest& contest, Evening& evening) {
    const ScoringForm& form = scoringForm(contest);
    const int percent = percentColumn(form.figureColumns());
    if (percent >= 0 && contest.sections.any()) return addSectionedEntries(contest, evening);
    const Standings standings = form.standings(contest);
    int place = 0;
    for (const StandingsRow& row : standings.rows) {
        ArchivedEntry entry;
        entry.number = row.pair;
        entry.players = playersOf(contest, row.pair);
        entry.total = row.figures[0];
        entry.top = 2.0 * standings.mean;
        entry.percent = percent >= 0
                            ? shownFigure(row.figures[static_cast<std::size_t>(percent)],
                                          standings.columns[static_cast<std::size_t>(percent)].decimals)
                            : rankShare(standings, row);
        entry.place = ++place;
        evening.entries.push_back(std::move(entry));
    }
}

std::string contractOf(const Contest& contest, int board, const BoardResult& r) {
    const auto found = contest.contracts.find({board, r.nsPair, r.ewPair});
    if (found == contest.contracts.end()) return "";
    const PlayedContract& played = found->second;
    if (played.contract.passedOut()) return contractText(played.contract);
    return contractText(played.contract) + " " + declarerText(played.declarer) + " " +
           std::to_string(played.tricks);
}

void addResults(const Contest& contest, Evening& evening) {
    for (int b = 1; b <= contest.boardCount && b <= kMaxBoard; ++b) {
        const Board& board = contest.boards[b];
        for (int i = 0; i < board.resultCount && i < kMaxResults; ++i) {
            const BoardResult& r = board.results[i];
            if (!hasScore(r.nsScore) && !hasScore(r.ewScore)) continue;
            evening.results.push_back({b, r.round, r.nsPair, r.ewPair, r.nsPlayer2, r.ewPlayer2, r.nsScore,
                                       r.ewScore, r.nsPoints, r.ewPoints, contractOf(contest, b, r)});
        }
    }
}

std::string eveningTitle(const Contest& contest) {
    return "\"" + contest.contestName + "\"" +
           (contest.arranger.empty() ? "" : " (" + contest.arranger + ")");
}

}  // namespace

std::vector<ArchivedPlayer> playersOf(const Contest& contest, int number) {
    std::vector<ArchivedPlayer> players;
    const Participant& p = contest.participants[number];
    if (p.first) players.push_back(playerOf(p.first));
    if (!contest.isIndividual && p.second && p.second != contest.byeMember)
        players.push_back(playerOf(p.second));
    return players;
}

EveningReading eveningFromContest(const Contest& contest, const std::string& date) {
    EveningReading reading;
    Evening& evening = reading.evening;
    evening.name = contest.contestName;
    evening.arranger = contest.arranger;
    evening.individual = contest.isIndividual;
    evening.boards = contest.boardCount;
    if (!contest.setUpDone || contest.boardCount < 1 || contest.maxPairNumber < 1) {
        reading.nothingScored = true;
        reading.message = "Kv\xe4llen " + eveningTitle(contest) + " har inga givar eller par att spara.";
        return reading;
    }
    if (const auto read = readEveningDate(contest.contestDate)) {
        evening.date = *read;
    } else if (const auto given = readEveningDate(date)) {
        evening.date = *given;
    } else {
        reading.dateUnreadable = true;
        reading.message = "Kan inte l\xe4sa datumet \"" + contest.contestDate + "\" f\xf6r kv\xe4llen " +
                          eveningTitle(contest) + ". Ange datumet som \xc5\xc5\xc5\xc5-MM-DD.";
        return reading;
    }
    addResults(contest, evening);
    if (evening.results.empty()) {
        reading.nothingScored = true;
        reading.message = "Kv\xe4llen " + eveningTitle(contest) + " har inga resultat att spara.";
        return reading;
    }
    if (contest.teams.any()) {
        evening.teamForm = contest.teams.form;
        addTeams(contest, evening);
    } else {
        addEntries(contest, evening);
    }
    // In table order whatever order the boards were kept in, as the archive gives them back.
    std::sort(evening.results.begin(), evening.results.end(),
              [](const ArchivedResult& a, const ArchivedResult& b) {
                  return std::tie(a.board, a.nsPair, a.ewPair, a.nsPlayer2, a.ewPlayer2) <
                         std::tie(b.board, b.nsPair, b.ewPair, b.nsPlayer2, b.ewPlayer2);
              });
    return reading;
}

EveningReading readEveningFile(const std::string& path, MemberRegister& reg, const std::string& date) {
    EveningReading reading;
    auto contest = std::make_unique<Contest>();
    contest->reset(reg);
    const ContestReadResult read = readContestOnDisk(*contest, path);
    using Kind = ContestReadResult::Kind;
    if (read.kind == Kind::NotOpen) {
        reading.message = pathText(path) + ": Kan inte l\xe4sa filen";
        return reading;
    }
    if (read.kind == Kind::NotContest) {
        reading.message = pathText(path) + " \xe4r inte en t\xe4vlingsfil";
        return reading;
    }
    if (read.partLeftOut()) {
        reading.message = pathText(path) + ": Indata ej OK: " + read.message;
        return reading;
    }
    // The contracts the tables gave are kept with the evening's results; the rules say whether
    // its points are IMPs; a team event's own file says which teams it has.
    std::vector<SideFile> contracts = contestSideFiles(false);
    std::erase_if(contracts, [](const SideFile& side) {
        return side.extension != kContractsExtension && side.extension != kRulesExtension &&
               side.extension != kTeamEventExtension;
    });
    if (const auto problems = readSideFiles(*contest, path, contracts); !problems.empty()) {
        reading.message = problems.front().shown();
        return reading;
    }
    reading = eveningFromContest(*contest, date);
    if (!reading.message.empty()) reading.message = pathText(path) + ": " + reading.message;
    return reading;
}

}  // namespace vindelkast
