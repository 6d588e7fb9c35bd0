#include "model/contract.h"

#include <algorithm>
#include <cctype>

#include "model/bridge_tables.h"
#include "model/contest.h"

namespace vindelkast {

namespace {

char upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

bool isNorthSouth(int seat) { return seat == North || seat == South; }

// Trick points of the tricks bid and made: minors 20, majors 30, notrump 40 then 30.
int trickPoints(Strain strain, int tricks) {
    if (tricks <= 0) return 0;
    switch (strain) {
    case Strain::Clubs:
    case Strain::Diamonds:
        return 20 * tricks;
    case Strain::Hearts:
    case Strain::Spades:
        return 30 * tricks;
    case Strain::NoTrump:
        return 40 + 30 * (tricks - 1);
    }
    return 0;
}

int undertrickPenalty(int down, int doubling, bool vulnerable) {
    if (doubling == 0) return down * (vulnerable ? 100 : 50);
    int penalty = 0;
    for (int trick = 1; trick <= down; ++trick) {
        if (vulnerable)
            penalty += trick == 1 ? 200 : 300;
        else
            penalty += trick == 1 ? 100 : trick <= 3 ? 200 : 300;
    }
    return doubling == 2 ? 2 * penalty : penalty;
}

}  // namespace

std::string parseContract(std::string_view text, Contract& contract) {
    std::string t;
    for (char c : text)
        if (c != ' ') t += upper(c);
    if (t == "PASS" || t == "P") {
        contract = Contract{};
        return "";
    }
    const std::string bad = "Kontraktet ska skrivas som 4S, 3NT, 3NTX, 6HXX eller pass";
    if (t.size() < 2 || t[0] < '1' || t[0] > '7') return bad;
    Contract c;
    c.level = t[0] - '0';
    std::size_t at = 1;
    switch (t[at]) {
    case 'S':
        c.strain = Strain::Spades;
        break;
    case 'H':
        c.strain = Strain::Hearts;
        break;
    case 'D':
    case 'R':
        c.strain = Strain::Diamonds;
        break;
    case 'C':
    case 'K':
        c.strain = Strain::Clubs;
        break;
    case 'N':
        c.strain = Strain::NoTrump;
        if (at + 1 < t.size() && t[at + 1] == 'T') ++at;
        break;
    default:
        return bad;
    }
    ++at;
    const std::string_view doubles = std::string_view(t).substr(at);
    if (doubles == "X")
        c.doubling = 1;
    else if (doubles == "XX")
        c.doubling = 2;
    else if (!doubles.empty())
        return bad;
    contract = c;
    return "";
}

std::string contractText(const Contract& contract) {
    if (contract.passedOut()) return "pass";
    static const char* const strains[] = {"C", "D", "H", "S", "NT"};
    std::string text = std::to_string(contract.level) + strains[static_cast<int>(contract.strain)];
    text += std::string(static_cast<std::size_t>(std::clamp(contract.doubling, 0, 2)), 'X');
    return text;
}

int parseDeclarer(std::string_view text) {
    if (text == "\xd6" || text == "\xf6") return East;
    if (text.size() != 1) return -1;
    switch (upper(text[0])) {
    case 'N':
        return North;
    case 'E':
        return East;
    case 'S':
        return South;
    case 'W':
    case 'V':
        return West;
    default:
        return -1;
    }
}

std::string declarerText(int seat) {
    static const char* const seats[] = {"N", "E", "S", "W"};
    return seat >= 0 && seat <= 3 ? seats[seat] : "";
}

int tricksFromResult(const Contract& contract, std::string_view result) {
    if (contract.passedOut()) return result == "=" || result.empty() ? 0 : -1;
    const int bid = contract.level + 6;
    if (result == "=") return bid;
    if (result.size() < 2 || result.size() > 3 || (result[0] != '+' && result[0] != '-')) return -1;
    int n = 0;
    for (char c : result.substr(1)) {
        if (c < '0' || c > '9') return -1;
        n = n * 10 + (c - '0');
    }
    if (n == 0) return -1;
    const int tricks = result[0] == '+' ? bid + n : bid - n;
    return tricks >= 0 && tricks <= 13 ? tricks : -1;
}

int declarerScore(const Contract& contract, bool vulnerable, int tricks) {
    if (contract.passedOut()) return 0;
    const int bid = contract.level + 6;
    const int factor = contract.doubling == 2 ? 4 : contract.doubling == 1 ? 2 : 1;
    if (tricks < bid) return -undertrickPenalty(bid - tricks, contract.doubling, vulnerable);

    const int contractPoints = factor * trickPoints(contract.strain, contract.level);
    int score = contractPoints;
    score += contractPoints >= 100 ? (vulnerable ? 500 : 300) : 50;
    if (contract.level == 6) score += vulnerable ? 750 : 500;
    if (contract.level == 7) score += vulnerable ? 1500 : 1000;
    score += contract.doubling == 2 ? 100 : contract.doubling == 1 ? 50 : 0;

    const int over = tricks - bid;
    if (contract.doubling == 0)
        score += trickPoints(contract.strain, contract.level + over) -
                 trickPoints(contract.strain, contract.level);
    else
        score += over * (vulnerable ? 200 : 100) * contract.doubling;
    return score;
}

int nsScore(const PlayedContract& played, int board) {
    const bool ns = isNorthSouth(played.declarer);
    const bool vulnerable = ns ? nsVulnerable(board) : ewVulnerable(board);
    const int score = declarerScore(played.contract, vulnerable, played.tricks);
    return ns ? score : -score;
}

}  // namespace vindelkast
