#include "tables/table_status_view.h"

#include "model/board_results.h"
#include "model/entry_rules.h"
#include "model/sections.h"
#include "movement/table_rounds.h"
#include "output/contract_text.h"
#include "tables/table_evening.h"

namespace vindelkast {

namespace {

std::string playedText(const PlayedContract& played, int board) {
    // In Swedish as the rest of the desk: "3R \xd6 +1", never the files' "3D E +1".
    std::string text = contractWith(played.contract, swedishLetterStrains(), "Pass");
    if (!played.contract.passedOut()) {
        const int over = played.tricks - played.contract.level - 6;
        text += ' ' + swedishSeat(played.declarer) + ' ' +
                (over == 0 ? std::string("=") : (over > 0 ? "+" : "") + std::to_string(over));
    }
    return text + " (" + scoreCellText(nsScore(played, board)) + ")";
}

}  // namespace

std::vector<TableStatusRow> tableStatus(const Contest& contest, const TableService& service) {
    const bool typed = service.codes().pairsTyped;
    const EveningState state = eveningState(contest, typed);
    std::vector<TableStatusRow> rows;
    for (int t = 1; t <= static_cast<int>(service.codes().tables.size()); ++t) {
        TableStatusRow row;
        row.table = t;
        row.label = tableLabel(contest, t);
        row.round = tableRoundOnView(contest, t, typed, state);
        row.rests = !typed && tableRests(contest, t, row.round);
        row.lastContactMs = service.lastContact(t);
        row.code = codeForReading(service.codes().tables[static_cast<std::size_t>(t - 1)]);
        for (const PendingConflict& c : service.conflicts()) row.conflicts += c.wanted.table == t ? 1 : 0;
        if (typed) {
            row.boards = static_cast<int>(boardsOfGroupRound(contest, row.round).size());
        } else if (row.round > 0) {
            const TableSeat seat = tableSeat(contest, t, row.round, false);
            row.boards = static_cast<int>(seat.boards.size());
            row.entered = 0;
            for (int b : seat.boards) {
                const BoardResult* slot = findResult(contest.boards[b], seat.nsPair, seat.ewPair);
                row.entered += slot && hasScore(slot->nsScore) ? 1 : 0;
            }
        }
        rows.push_back(row);
    }
    return rows;
}

ServerStatusLine serverStatusLine(const Contest& contest, const TableService& service,
                                  const std::string& address) {
    const EveningState state = eveningState(contest, service.codes().pairsTyped);
    ServerStatusLine line;
    line.conflicts = static_cast<int>(service.conflicts().size());
    line.text = "Borden: " + address;
    if (state.over)
        line.text += " \xb7 Alla ronder klara";
    else if (state.tables > 0)
        line.text += " \xb7 Rond " + std::to_string(state.round) + ": " + std::to_string(state.tablesDone) +
                     " av " + std::to_string(state.tables) + " bord klara";
    else if (state.round > 0)
        line.text += " \xb7 Rond " + std::to_string(state.round) + " \xe4r inte lottad \xe4n";
    line.text += line.conflicts > 0 ? " \xb7 Konflikter att avg\xf6ra: " + std::to_string(line.conflicts)
                                    : " \xb7 Inga konflikter";
    return line;
}

std::string lockOutText(const Contest& contest, const LockOut& lockOut) {
    std::string text = lockOut.client;
    if (lockOut.table > 0) text += ", bord " + tableLabel(contest, lockOut.table);
    return text + ": utel\xe5st " + waitText(lockOut.waitSeconds) + " till";
}

std::string tableAttackText(const Contest& contest, const TableAttack& attack) {
    std::string text = "Bord " + tableLabel(contest, attack.table) + ": ";
    if (attack.wrongCodes > 0) {
        text += std::to_string(attack.wrongCodes) +
                (attack.wrongCodes == 1 ? " felaktig kod" : " felaktiga koder") + " fr\xe5n " +
                std::to_string(attack.addresses) + (attack.addresses == 1 ? " adress" : " adresser");
        text += attack.lockSeconds > 0 ? " \x96 "
                                       : " inom " + std::to_string(kTableWindowMs / 60'000) + " minuter";
    }
    if (attack.lockSeconds > 0)
        text += "l\xe5st f\xf6r nya telefoner i " + waitText(attack.lockSeconds) + " till";
    return text;
}

std::string conflictText(const Contest& contest, const PendingConflict& conflict) {
    const TableStore& w = conflict.wanted;
    std::string text = "Bord " + tableLabel(contest, w.table) + ", bricka " + std::to_string(w.board) + ", " +
                       pairLabel(contest, w.nsPair) + "-" + pairLabel(contest, w.ewPair) + ": bordet " +
                       playedText(w.played, w.board) + ", finns ";
    text += conflict.existingHasContract ? playedText(conflict.existing, w.board)
                                         : scoreCellText(conflict.existingScore);
    return text;
}

}  // namespace vindelkast
