#include "tables/table_store.h"

#include <string>

#include "model/board_results.h"
#include "model/entry_rules.h"
#include "model/result_order.h"

namespace vindelkast {

namespace {

// A typed pairing gets its slot on every board of its round that has room for it, as a
// new row of the grid does.
std::string laySlot(Contest& contest, const TableStore& store) {
    const BoardSpan round = roundSpan(contest, store.board);
    for (int b = round.first; b <= round.last; ++b) {
        Board& board = contest.boards[b];
        if (findResult(board, store.nsPair, store.ewPair)) continue;
        const int refused =
            addResult(board, store.nsPair, store.ewPair, slotRound(contest, b), kNoScore, 0.0f, 0.0f, true);
        if (refused != 0 && b == store.board)
            return "Par " + std::to_string(refused) + " finns redan p\xe5 bricka " + std::to_string(b);
        if (refused == 0 && contest.isIndividual)
            setSecondPlayers(board, store.nsPair, store.nsPartner, store.ewPartner);
        sortResults(board);
    }
    return "";
}

}  // namespace

std::string storeTableResult(Contest& contest, const TableStore& store) {
    if (store.newSlot) {
        const std::string message = laySlot(contest, store);
        if (!message.empty()) return message;
    }
    EntryRow row;
    row.ns = store.nsPair;
    row.ew = store.ewPair;
    const StoredScore stored = storeTypedScore(contest, store.board, row, std::to_string(store.nsScore));
    if (!stored.found || !stored.written || stored.value != store.nsScore)
        return "Resultatet f\xf6r bricka " + std::to_string(store.board) + " kunde inte sparas";
    contest.contracts[{store.board, store.nsPair, store.ewPair}] = store.played;
    return "";
}

}  // namespace vindelkast
