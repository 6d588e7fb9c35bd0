// Requests come from any phone on the club's network. The first byte picks the call; the
// rest is the body. Whatever it holds, reading must end without a fault, and a request it
// accepts must hold only numbers within the contest's arrays and a contract the score
// table knows; the table service must then decide on it against a laid-out contest.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "tables/table_request.h"
#include "tables/table_service.h"
#include "fuzz_checks.h"
#include "model/board_results.h"
#include "movement/built_in_movement.h"

using namespace vindelkast;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    static MemberRegister reg;
    static Contest contest;
    static bool laid = false;
    if (!laid) {
        reg.startWithByeMember();
        contest.reset(reg);
        contest.boardCount = 21;
        contest.roundCount = 7;
        contest.boardsPerRound = 3;
        contest.maxPairNumber = 8;
        buildBuiltInMovement(contest);
        laid = true;
    }
    const auto call = static_cast<TableCall>(data[0] % 6);
    const TableRequestReading reading =
        readTableRequest(call, std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));
    if (!reading.message.empty()) return 0;
    const TableRequest& r = reading.request;
    fuzz::require(r.table >= 0 && r.table <= kMaxTables && r.board >= 0 && r.board <= kMaxBoard);
    fuzz::require(r.round >= 0 && r.round <= kMaxBoard && r.code.size() <= 64 && r.entryId.size() <= 64);
    for (int n : {r.nsPair, r.ewPair, r.nsPartner, r.ewPartner}) fuzz::require(n >= 0 && n <= kMaxPair);
    fuzz::require(r.played.tricks >= 0 && r.played.tricks <= 13 && r.played.contract.level <= 7);

    TableCodes codes = makeTableCodes(4, data[0] & 0x80, 1);
    codes.tables[0] = "AAAA";  // a code a fuzzer can find
    TableService service(codes);
    const TableDecision d = service.handle(contest, r, "fuzz", 0);
    fuzz::require(d.status >= 200 && d.status < 600);
    if (d.outcome == TableOutcome::Store)
        fuzz::require(findResult(contest.boards[d.store.board], d.store.nsPair, d.store.ewPair) ||
                      d.store.newSlot);
    return 0;
}
