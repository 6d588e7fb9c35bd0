#include "files/member_search.h"

#include <algorithm>
#include <array>
#include <functional>

#include "files/text_encoding.h"

namespace vindelkast {

namespace {

constexpr char kUpperAring = '\xc5';
constexpr char kUpperAuml = '\xc4';
constexpr char kUpperOuml = '\xd6';
constexpr char kLowerAring = '\xe5';
constexpr char kLowerAuml = '\xe4';
constexpr char kLowerOuml = '\xf6';

bool isCapital(char c) {
    return (c >= 'A' && c <= 'Z') || c == kUpperAring || c == kUpperAuml || c == kUpperOuml;
}

bool isLetter(char c) {
    return isCapital(c) || (c >= 'a' && c <= 'z') || c == kLowerAring || c == kLowerAuml || c == kLowerOuml;
}

bool isWordGap(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

bool startsWith(const std::string& text, const std::string& start, bool exactCase) {
    if (text.size() < start.size()) return false;
    if (exactCase) return text.compare(0, start.size(), start) == 0;
    for (std::size_t i = 0; i < start.size(); ++i)
        if (lowerCp1252(text[i]) != start[i]) return false;
    return true;
}

// Whether a member sits in the start list, asked once per match: the start list holds at
// most 144 references, the register may hold tens of thousands.
class SeatedMembers {
public:
    explicit SeatedMembers(const Contest& contest) {
        const int last = std::clamp(contest.maxPairNumber, 0, kMaxPair);
        for (int p = 1; p <= last; ++p) {
            add(contest.participants[p].first);
            add(contest.participants[p].second);
        }
        std::sort(m_members.begin(), m_members.begin() + m_count, std::less<const Member*>());
    }
    bool contains(const Member* member) const {
        return std::binary_search(m_members.begin(), m_members.begin() + m_count, member,
                                  std::less<const Member*>());
    }

private:
    void add(const Member* member) {
        if (member) m_members[m_count++] = member;
    }
    std::array<const Member*, 2 * kMaxPair> m_members{};
    std::ptrdiff_t m_count = 0;
};

}  // namespace

std::optional<NameQuery> nameQueryFor(std::string_view typed) {
    if (typed.empty() || !isLetter(typed.front())) return std::nullopt;
    NameQuery query;
    query.exactCase = std::any_of(typed.begin(), typed.end(), isCapital);
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < typed.size() && words.size() < 2) {
        while (i < typed.size() && isWordGap(typed[i])) ++i;
        const std::size_t start = i;
        while (i < typed.size() && !isWordGap(typed[i])) ++i;
        if (i > start) words.emplace_back(typed.substr(start, i - start));
    }
    if (!query.exactCase)
        for (std::string& word : words) word = toLowerCp1252(word);
    query.surnameStart = words.at(0);
    if (words.size() > 1) query.firstNameStart = words[1];
    return query;
}

bool matchesNameQuery(const Member& member, const NameQuery& query) {
    return startsWith(member.surname, query.surnameStart, query.exactCase) &&
           startsWith(member.firstName, query.firstNameStart, query.exactCase);
}

std::vector<const Member*> searchMembers(const MemberRegister& reg, const Contest& contest,
                                         const NameQuery& query) {
    std::vector<const Member*> found;
    const SeatedMembers seated(contest);
    for (const Member* member : reg.entries()) {
        if (!member) break;
        if (matchesNameQuery(*member, query) && !seated.contains(member)) found.push_back(member);
    }
    return found;
}

}  // namespace vindelkast
