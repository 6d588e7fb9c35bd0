#pragma once

#include <map>
#include <random>
#include <string>
#include <vector>

#include "model/member_register.h"
#include "model/scoring_rule.h"

namespace vindelkast::test {

// Evenings of a club season made through the core and written as contest files: players
// from the example register (two fixed partnerships among them) and two guests.
class SeasonMaker {
public:
    explicit SeasonMaker(unsigned seed);

    // A scored pairs evening of `pairs` pairs, every pair meeting every other, 3 boards a round.
    // Scored by `rule`; an IMP evening gets its rules file beside it.
    void writeEvening(const std::string& path, const std::string& name, const std::string& dateText,
                      const std::string& arranger, int pairs, const ScoringRule& rule = {});

    // A Monrad series of two evenings of five teams, two rounds of two boards each, the second
    // set up from the first, written with their side files. Returns each team's VP (hundredths)
    // over both evenings' own rounds, added up from the match cards and the byes.
    std::map<int, int> writeTeamSeries(const std::string& first, const std::string& second,
                                       const std::string& name);

    static std::string registerPath();

private:
    std::mt19937 m_random;
    MemberRegister m_register;
    std::vector<Member*> m_fixed;  // two pairs that play every evening
    std::vector<Member*> m_pool;   // the players who come and go
};

// A season ranking line worked out from the evenings' own standings views, as the CSV has it.
struct ExpectedPlace {
    std::string memberId;  // "" for a guest
    std::string name;      // UTF-8
    int evenings = 0;
    long long hundredths = 0;
};

// Reads every contest file given (with the example register), takes each pair's percentage
// from the evening's standings view (an IMP evening's: 100 % for the first place down to 0 %
// for the last, shared places sharing the mean) and ranks the players: best `best` evenings (0: all),
// at least `minimum`. Returns the CSV the archive should give.
std::string expectedSeasonCsv(const std::vector<std::string>& files, const std::string& from,
                              const std::string& to, int best, int minimum);

// A's place before B's by name in Swedish order: a-z, then å, ä, ö; case aside.
bool swedishBefore(const std::string& utf8A, const std::string& utf8B);

}  // namespace vindelkast::test
