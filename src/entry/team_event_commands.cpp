#include "entry/team_event_commands.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "files/contest_on_disk.h"
#include "files/team_event_file.h"
#include "model/team_matches.h"
#include "model/version.h"
#include "model/victory_points.h"
#include "movement/set_up_fields.h"
#include "movement/team_round_draw.h"
#include "output/edit_texts.h"
#include "output/team_views.h"
#include "qt/qt_text.h"
#include "session/contest_session.h"
#include "session/dialogs.h"
#include "session/pane_requests.h"

namespace vindelkast {

namespace {

// What the event's entrants are called: pairs in Swiss pairs, else teams.
const char* entrantWord(const Contest& contest) { return contest.teams.pairsPerTeam() == 1 ? "par" : "lag"; }

// The director's choice as the core's plan; "" or why it cannot be one.
QString teamPlanFrom(const Dialogs::TeamEventChoice& choice, TeamPlan& plan) {
    plan.form = choice.swissPairs   ? TeamForm::SwissPairs
                : choice.roundRobin ? TeamForm::RoundRobin
                                    : TeamForm::Swiss;
    plan.boardScoring = choice.boardScoring;
    plan.teams = choice.teams;
    plan.boardsPerMatch = choice.boardsPerMatch;
    plan.rounds = choice.rounds;
    const std::optional<std::string> bye = fromQt(choice.byeVp.trimmed());
    if (!bye || !vpWord(*bye, plan.byeVp) || plan.byeVp < 0 || plan.byeVp > 2000)
        return "VP f\u00f6r frirond ska vara 0-20, till exempel 12 eller 12,50";
    if (choice.names.size() > choice.teams)
        return QString("%1 lagnamn men bara %2 lag").arg(choice.names.size()).arg(choice.teams);
    for (const QString& typed : choice.names) {
        const std::optional<std::string> name = fromQt(typed);
        if (!name) return "Lagnamnet \"" + typed + "\" har tecken som inte kan sparas i t\u00e4vlingsfilen";
        if (name->size() > kMaxTeamNameBytes)
            return QString("Lagnamnet \"%1\" \u00e4r l\u00e4ngre \u00e4n %2 tecken")
                .arg(typed)
                .arg(kMaxTeamNameBytes);
        plan.names.push_back(*name);
    }
    return {};
}

std::vector<std::string> lineTexts(const std::vector<ViewLine>& lines) {
    std::vector<std::string> texts;
    for (const ViewLine& line : lines) texts.push_back(line.text);
    return texts;
}

// A number typed in answer to `prompt`; nothing when cancelled.
std::optional<std::string> asked(Dialogs& dialogs, const QString& prompt, const QString& proposed) {
    const std::optional<QString> typed = dialogs.inputQuery("VP-justering", prompt, proposed);
    if (!typed) return std::nullopt;
    return fromQtLossy(typed->trimmed());
}

}  // namespace

bool setUpTeamEventAsked(ContestSession& session, Dialogs& dialogs, const SetUpRequest& texts) {
    const std::optional<Dialogs::TeamEventChoice> choice = dialogs.teamEventChoice();
    if (!choice) return false;
    TeamPlan plan;
    if (const QString problem = teamPlanFrom(*choice, plan); !problem.isEmpty()) {
        dialogs.message(problem);
        return false;
    }
    std::string message;
    // Like "Klar", a completed set-up is recovered; typed names are the evening's to save.
    session.editIf({"lagt\xe4vling uppsatt", setUpText}, ContestChange::setUp(), [&](Contest& contest) {
        message = setUpTeamEvent(contest, texts, plan);
        return message.empty();
    });
    if (!message.empty()) {
        dialogs.message(toQt(message));
        return false;
    }
    if (!plan.names.empty()) session.markUnsaved(ContestChange::names());
    return true;
}

bool drawNextTeamRound(ContestSession& session, PaneRequests& panes, Dialogs& dialogs) {
    const Contest& contest = session.contest();
    const bool swiss = contest.teams.monrad();
    const int drawnSoFar = drawnTeamRounds(contest);
    const bool seeded = swiss && drawnSoFar == 0 &&
                        dialogs.confirm(QString("Lotta f\u00f6rsta ronden efter %1 nummer (seedad)?\n"
                                                "Nej: f\u00f6rsta ronden lottas slumpvis.")
                                            .arg(contest.teams.pairsPerTeam() == 1 ? "parens" : "lagens"));
    // While the last round is played, the next can be drawn from the standings before it.
    const std::vector<MatchCard> playing = roundMatches(contest, drawnSoFar);
    const bool unfinished = std::any_of(playing.begin(), playing.end(), [](const MatchCard& card) {
        return card.boardsDone < static_cast<int>(card.boards.size());
    });
    const bool early =
        swiss && unfinished && drawnSoFar < contest.roundCount &&
        dialogs.confirm(QString("Rond %1 spelas fortfarande. Lotta rond %2 i f\u00f6rv\u00e4g efter "
                                "st\u00e4llningen f\u00f6re rond %1?")
                            .arg(drawnSoFar)
                            .arg(drawnSoFar + 1));
    TeamRoundDraw drawn;
    session.editIf({"lottad rond " + std::to_string(drawnTeamRounds(contest) + 1)}, ContestChange::draw(),
                   [&](Contest& c) {
                       drawn = drawTeamRound(c, seeded, early);
                       return drawn.round != 0;
                   });
    if (!drawn.message.empty()) dialogs.message(toQt(drawn.message));
    const int shown = drawn.round != 0 ? drawn.round : drawnTeamRounds(contest);
    if (shown > 0) panes.showDrawnRound(lineTexts(teamDrawLines(contest, shown)));
    return drawn.round != 0;
}

bool redrawTeamRoundAsked(ContestSession& session, PaneRequests& panes, Dialogs& dialogs) {
    const int round = drawnTeamRounds(session.contest());
    if (round == 0 || !dialogs.confirm(QString("Ta bort lottningen av rond %1 och lotta om den?").arg(round)))
        return false;
    std::string why;
    session.editIf({"lottning borttagen rond " + std::to_string(round)}, ContestChange::draw(),
                   [&](Contest& c) {
                       why = undrawTeamRound(c);
                       return why.empty();
                   });
    if (!why.empty()) {
        dialogs.message(toQt(why));
        return false;
    }
    return drawNextTeamRound(session, panes, dialogs);
}

void moveTeamsAsked(ContestSession& session, PaneRequests& panes, Dialogs& dialogs) {
    const Contest& contest = session.contest();
    const char* entrants = entrantWord(contest);
    const std::optional<QString> typed = dialogs.inputQuery(
        QString("Byt plats p\u00e5 %1").arg(entrants),
        QString("Tv\u00e5 %1 som byter plats i senaste ronden, till exempel 3-5:").arg(entrants), "");
    if (!typed) return;
    std::vector<std::pair<int, int>> teams;
    std::string why = readMeetings(fromQtLossy(*typed), contest.teams.teamCount, teams);
    if (why.empty() && teams.size() != 1) why = std::string("Ange tv\xe5 ") + entrants + " som 3-5";
    if (why.empty())
        session.editIf(
            {"bytt plats " + std::to_string(teams[0].first) + " och " + std::to_string(teams[0].second)},
            ContestChange::draw(), [&](Contest& c) {
                why = moveTeams(c, teams[0].first, teams[0].second);
                return why.empty();
            });
    if (!why.empty()) {
        dialogs.message(toQt(why));
        return;
    }
    panes.showDrawnRound(lineTexts(teamDrawLines(contest, drawnTeamRounds(contest))));
}

void adjustTeamVpAsked(ContestSession& session, Dialogs& dialogs) {
    const Contest& contest = session.contest();
    if (!contest.teams.any()) {
        dialogs.message("T\u00e4vlingen \u00e4r ingen lagt\u00e4vling");
        return;
    }
    const auto round = asked(dialogs, "Rond:", QString::number(std::max(1, drawnTeamRounds(contest))));
    if (!round) return;
    const auto team =
        asked(dialogs, contest.teams.pairsPerTeam() == 1 ? "Par (nummer):" : "Lag (nummer):", "");
    if (!team) return;
    const auto vp = asked(dialogs, "VP (minus f\u00f6r avdrag, till exempel -1,50):", "");
    if (!vp) return;
    VpAdjustment adjustment{fieldNumber(*round), fieldNumber(*team), 0};
    if (adjustment.round < 1 || adjustment.round > contest.roundCount || adjustment.team < 1 ||
        adjustment.team > contest.teams.teamCount || !vpWord(*vp, adjustment.vp) || adjustment.vp == 0) {
        dialogs.message(QString("Ange en rond 1-%1, ett %2 1-%3 och po\u00e4ng som -1,50")
                            .arg(contest.roundCount)
                            .arg(entrantWord(contest))
                            .arg(contest.teams.teamCount));
        return;
    }
    session.edit({"VP-justering " + teamName(contest, adjustment.team) + ", rond " +
                  std::to_string(adjustment.round) + ": " + vpText(adjustment.vp)},
                 ContestChange::everything(),
                 [&adjustment](Contest& c) { c.teams.adjustments.push_back(adjustment); });
}

void fixTeamMeetingsAsked(ContestSession& session, Dialogs& dialogs) {
    const Contest& contest = session.contest();
    if (!contest.teams.monrad()) {
        dialogs.message("Fasta m\u00f6ten finns bara i en Monradt\u00e4vling");
        return;
    }
    QStringList now;
    for (const auto& [a, b] : contest.teams.fixedMeetings) now << QString("%1-%2").arg(a).arg(b);
    const std::optional<QString> typed =
        dialogs.inputQuery("Fasta m\u00f6ten",
                           "M\u00f6ten i n\u00e4sta rond, till exempel 1-3,5-7 (tomt: inga):", now.join(','));
    if (!typed) return;
    std::vector<std::pair<int, int>> meetings;
    if (const std::string why = readMeetings(fromQtLossy(*typed), contest.teams.teamCount, meetings);
        !why.empty()) {
        dialogs.message(toQt(why));
        return;
    }
    // Nothing to show until the draw: the change is only to save and to recover.
    session.edit({"fasta m\xf6ten"}, ContestChange::draw(),
                 [&meetings](Contest& c) { c.teams.fixedMeetings = meetings; });
}

std::string writeNextSeriesEvening(ContestSession& session, const std::string& path,
                                   const std::string& date) {
    const Contest& previous = session.contest();
    TeamPlan plan;
    plan.boardsPerMatch = previous.boardsPerRound;
    // A round robin goes on for the rounds it has left; a Monrad plays as many as before.
    plan.rounds = previous.teams.monrad() ? previous.roundCount : 0;
    SetUpRequest request;
    request.contestName = previous.contestName;
    request.contestDate = date;
    request.arranger = previous.arranger;
    // The register the evening's names point into: its players stay at their pairs until the
    // director names others.
    auto next = std::make_unique<Contest>();
    next->reset(session.memberRegister());
    if (std::string why = continueTeamSeries(previous, *next, request, plan); !why.empty()) return why;
    return saveContestOnDisk(*next, path, contestSideFiles(false), kVersionText);
}

}  // namespace vindelkast
