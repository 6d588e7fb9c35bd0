#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "model/contract.h"
#include "model/member.h"
#include "model/scoring_rule.h"
#include "model/sections.h"
#include "model/team_setup.h"

namespace vindelkast {

// Bridge numbers index the arrays directly: boards 1..71, pairs (players) 1..72.
constexpr int kMaxBoard = 71;
constexpr int kBoardSlots = 73;  // indexes 0..72; 0 and 72 are never real boards
constexpr int kMaxPair = 72;
constexpr int kParticipantSlots = 73;  // indexes 0..72; 0 stays empty
constexpr int kMaxResults = 72;

constexpr int kNoScore = -9999;        // nothing entered
constexpr float kNoPoints = -9999.0f;  // a side without a score
// Gröna Hissen's "många": two pairs may meet any number of times (the meeting limit).
constexpr int kManyMeetings = 9999;
constexpr int kAdjustedBase = 10000;  // adjusted-score codes are 10000 + NS% + EW%/10

// A bridge score or an adjusted-score code: anything above the no-score code, which
// marks a side (or a whole result) that nothing was entered for.
constexpr bool hasScore(int score) { return score > kNoScore; }
// A score made at the table, not an adjusted-score code.
constexpr bool isBridgeScore(int score) { return hasScore(score) && score < kAdjustedBase; }

// One card; code 0 marks an empty deal slot.
struct Card {
    int suit = 0;  // 0 spades, 1 hearts, 2 diamonds, 3 clubs
    int rank = 0;  // 2..14
    int code = 0;  // 1..52 = 13 * suit + 15 - rank
    bool empty() const { return code == 0; }
};

enum Seat { North = 0, East = 1, South = 2, West = 3 };
using Hand = std::array<Card, 13>;
using Deal = std::array<Hand, 4>;  // North, East, South, West

// One table's play of one board.
struct BoardResult {
    int round = 0;
    int nsPair = 0;
    int ewPair = 0;
    int nsScore = kNoScore;
    int ewScore = kNoScore;
    float nsPoints = 0.0f;
    float ewPoints = 0.0f;
    int nsPlayer2 = 0;  // individual contest: South
    int ewPlayer2 = 0;  // individual contest: West
};

struct Contest;

struct Board {
    int number = 0;
    int resultCount = 0;
    Deal deal{};
    std::array<BoardResult, kMaxResults> results{};
    Contest* contest = nullptr;

    bool hasDeal() const { return !deal[North][0].empty(); }
    bool dealComplete() const;
    void clearDeal() { deal = Deal{}; }
};

struct Participant {
    Member* first = nullptr;
    Member* second = nullptr;
};

// A board's double-dummy analysis, kept with the deal (PBN text) it was computed for.
struct ParContract {
    int level = 0, strain = 0, seats = 0;  // strain 0 NT, 1..4 spades..clubs; seats N E S W NS EW
    int overTricks = 0, underTricks = 0;   // underTricks > 0: a doubled sacrifice
};
struct BoardAnalysis {
    std::string deal;                            // "" = no analysis
    std::array<std::array<int, 5>, 4> tricks{};  // [declarer N E S W][NT S H D C]
    int parScore = 0;                            // NS's view
    int parCount = 0;                            // 0: passed out
    std::array<ParContract, 10> parContracts{};
};

class MemberRegister;
struct Movement;

struct Contest {
    std::array<bool, kBoardSlots> boardHasScores{};
    bool isBarometer = false;
    std::array<bool, kParticipantSlots> nameFrozen{};
    bool isGronaHissen = false;
    bool isIndividual = false;
    bool setUpDone = false;
    bool isTeamContest = false;
    bool hasHandicap = false;
    // A choice of the director's, kept beside the contest file (NAME.regler), not in it: a
    // contest read without that file is scored by matchpoints and the linear rule.
    ScoringRule scoringRule;
    // The evening's sections and whether they are matchpointed across the field, kept beside
    // the contest file too (NAME.sektion): the file itself numbers the pairs 1..N.
    Sections sections;
    // A team event's form, teams and corrections (NAME.lag); none for a pairs evening.
    TeamSetup teams;
    std::string arranger;
    std::string contestName;
    std::string contestDate;
    std::string writerVersion;
    std::string teamName1;
    std::string teamName2;
    int tableCount = 0;
    int boardCount = 0;
    int dealCount = 0;
    int playingTableCount = 0;
    int roundCount = 0;
    int byePair = 0;
    int boardsPerRound = 0;
    int ghVariant = 2;  // Gröna Hissen's meeting limit: 1, 2 or kManyMeetings
    int maxPairNumber = 0;
    int participantCount = 0;
    std::array<Board, kBoardSlots> boards{};
    std::shared_ptr<Movement> movement;
    MemberRegister* memberRegister = nullptr;
    std::array<Participant, kParticipantSlots> participants{};
    Member* byeMember = nullptr;
    std::uint8_t resultOrder = 1;
    // The contracts played, where the tables gave them; kept beside the contest file.
    std::map<ContractKey, PlayedContract> contracts;
    std::array<BoardAnalysis, kBoardSlots> analyses{};

    Contest();
    // The boards point back at their contest, so a contest is never copied.
    Contest(const Contest&) = delete;
    Contest& operator=(const Contest&) = delete;

    // Start state, attached to the register; the bye person stays the register's entry 0.
    void reset(MemberRegister& reg);

    // The member register's size, entry 0 (the bye person) included.
    int memberCount() const;

    // The highest board number the arrays hold for this contest (0 when it has no boards).
    int lastBoard() const { return std::clamp(boardCount, 0, kMaxBoard); }

    // One more than the highest board with scores, or 1 when none has.
    int nextBoardAfterScored() const;

    // True when `board` is a real board number of this contest's arrays.
    static bool validBoard(int board) { return board >= 1 && board <= kMaxBoard; }
    static bool validPair(int pair) { return pair >= 1 && pair <= kMaxPair; }

    // Whether the tables of each round are drawn as the evening goes (Gröna Hissen, a team
    // event): a round is then a group of boards and each slot's round field is its table.
    bool roundsDrawn() const { return isGronaHissen || teams.any(); }
};

}  // namespace vindelkast
