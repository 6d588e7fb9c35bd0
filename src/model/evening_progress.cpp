#include "model/evening_progress.h"

#include <algorithm>
#include <vector>

#include "model/board_results.h"
#include "model/standings.h"

namespace vindelkast {

namespace {

bool roundsAreGroups(const Contest& contest) { return contest.roundsDrawn() || !movementLaid(contest); }

bool scored(const BoardResult& r) { return hasScore(r.nsScore); }

}  // namespace

bool movementLaid(const Contest& contest) {
    if (contest.lastBoard() == 0) return false;
    for (int b = 1; b <= contest.lastBoard(); ++b)
        if (contest.boards[b].resultCount == 0) return false;
    return true;
}

bool boardComplete(const Contest& contest, int board) {
    if (!Contest::validBoard(board)) return false;
    const Board& b = contest.boards[board];
    const int scoredCount = countScored(b);
    if (scoredCount == 0) return false;
    if (scoredCount < b.resultCount) return false;
    // Gröna Hissen lays each round's slots when the round is drawn.
    if (movementLaid(contest) || contest.roundsDrawn()) return true;
    return scoredCount == contest.playingTableCount;
}

bool allResultsIn(const Contest& contest) {
    for (int b = 1; b <= contest.lastBoard(); ++b)
        if (!boardComplete(contest, b)) return false;
    return contest.lastBoard() > 0;
}

int slotRound(const Contest& contest, int board, const BoardResult& result) {
    return roundsAreGroups(contest) ? roundOfBoard(contest, board) : result.round;
}

int eveningRoundCount(const Contest& contest) {
    if (roundsAreGroups(contest)) return std::max(contest.roundCount, 0);
    int last = 0;
    for (int b = 1; b <= contest.lastBoard(); ++b)
        for (int i = 0; i < contest.boards[b].resultCount; ++i)
            last = std::max(last, contest.boards[b].results[i].round);
    return std::min(last, kMaxBoard);
}

int roundsComplete(const Contest& contest) {
    const int rounds = eveningRoundCount(contest);
    // Whether rounds are board groups is asked once, not for every slot.
    const bool groups = roundsAreGroups(contest);
    // 0 no slot, 1 every slot scored, 2 a slot still open.
    std::vector<int> state(static_cast<std::size_t>(rounds) + 1, 0);
    for (int b = 1; b <= contest.lastBoard(); ++b) {
        const Board& board = contest.boards[b];
        for (int i = 0; i < board.resultCount; ++i) {
            const int r = groups ? roundOfBoard(contest, b) : board.results[i].round;
            if (r < 1 || r > rounds) continue;
            int& s = state[static_cast<std::size_t>(r)];
            s = std::max(s, scored(board.results[i]) ? 1 : 2);
        }
    }
    // A contest typed as it goes has no open slots: a round is done when its boards are.
    if (!movementLaid(contest) || contest.roundsDrawn()) {
        for (int b = 1; b <= contest.lastBoard(); ++b) {
            const int r = roundOfBoard(contest, b);
            if (r >= 1 && r <= rounds && !boardComplete(contest, b)) state[static_cast<std::size_t>(r)] = 2;
        }
    }
    return static_cast<int>(std::count(state.begin(), state.end(), 1));
}

std::string nextStepHint(const Contest& contest) {
    if (!contest.setUpDone) return "";
    bool anyScore = false;
    for (int b = 1; b <= contest.lastBoard(); ++b) anyScore = anyScore || contest.boardHasScores[b];
    if (!anyScore)
        return "N\xe4sta steg: F3 namn p\xe5 deltagarna \xb7 F4 ge resultat \xb7 Resultat > Registrering "
               "vid borden f\xf6r mobilerna \xb7 Ctrl+S spara t\xe4vlingen";
    if (!allResultsIn(contest))
        return "Resultaten kommer in: F4 ge resultat \xb7 F9 st\xe4llningen \xb7 F10 ronden \xb7 F8 inmatade "
               "givar \xb7 Ctrl+S spara";
    return "Alla resultat \xe4r inne: F9 st\xe4llningen \xb7 Ctrl+Alt+P skriv ut \xb7 Arkiv > Publicera "
           "resultatwebb \xb7 Ctrl+K klubbarkivet \xb7 Ctrl+S spara";
}

}  // namespace vindelkast
