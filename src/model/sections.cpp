#include "model/sections.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "model/contest.h"
#include "model/result_order.h"

namespace vindelkast {

int sectionOf(const Contest& contest, int pair) {
    const std::vector<Section>& list = contest.sections.list;
    if (list.size() < 2) return -1;
    for (std::size_t i = 0; i < list.size(); ++i)
        if (pair >= list[i].firstPair && pair <= list[i].lastPair) return static_cast<int>(i);
    return -1;
}

int numberInSection(const Contest& contest, int pair) {
    const int index = sectionOf(contest, pair);
    return index < 0 ? pair : pair - contest.sections.list[static_cast<std::size_t>(index)].firstPair + 1;
}

std::string pairLabel(const Contest& contest, int pair) {
    const int index = sectionOf(contest, pair);
    if (index < 0) return std::to_string(pair);
    return contest.sections.list[static_cast<std::size_t>(index)].letter +
           std::to_string(numberInSection(contest, pair));
}

int firstTableOfSection(const Contest& contest, int index) {
    int first = 1;
    for (int i = 0; i < index; ++i) first += tablesOfSection(contest, i);
    return first;
}

int tablesOfSection(const Contest& contest, int index) {
    const Section& section = contest.sections.list.at(static_cast<std::size_t>(index));
    return (section.lastPair - section.firstPair + 1) / 2;
}

std::string tableLabel(const Contest& contest, int table) {
    if (!contest.sections.any()) return std::to_string(table);
    for (int i = 0, first = 1; i < static_cast<int>(contest.sections.list.size()); ++i) {
        const int count = tablesOfSection(contest, i);
        if (table >= first && table < first + count)
            return contest.sections.list[static_cast<std::size_t>(i)].letter +
                   std::to_string(table - first + 1);
        first += count;
    }
    return std::to_string(table);
}

int tableFromLabel(const Contest& contest, std::string_view text) {
    int index = -1;
    if (!text.empty() &&
        ((text.front() >= 'A' && text.front() <= 'H') || (text.front() >= 'a' && text.front() <= 'h'))) {
        const char letter = static_cast<char>(text.front() & ~0x20);
        for (std::size_t i = 0; i < contest.sections.list.size() && contest.sections.any(); ++i)
            if (contest.sections.list[i].letter == letter) index = static_cast<int>(i);
        if (index < 0) return 0;
        text.remove_prefix(1);
    }
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || number < 1) return 0;
    if (index < 0) return number <= kMaxPair / 2 ? number : 0;
    return number <= tablesOfSection(contest, index) ? firstTableOfSection(contest, index) + number - 1 : 0;
}

int pairFromLabel(const Contest& contest, std::string_view text) {
    int index = -1;
    if (!text.empty() && text.front() >= 'A' && text.front() <= 'H') {
        for (std::size_t i = 0; i < contest.sections.list.size() && contest.sections.any(); ++i)
            if (contest.sections.list[i].letter == text.front()) index = static_cast<int>(i);
        if (index < 0) return 0;
        text.remove_prefix(1);
    }
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || number < 1) return 0;
    if (index >= 0) {
        const Section& section = contest.sections.list[static_cast<std::size_t>(index)];
        number += section.firstPair - 1;
        return number <= section.lastPair ? number : 0;
    }
    return number <= kMaxPair ? number : 0;
}

int seatedPairCount(const Contest& contest, int index) {
    const Section& section = contest.sections.list.at(static_cast<std::size_t>(index));
    return section.lastPair - section.firstPair + 1 - (section.sitOut > 0 ? 1 : 0);
}

bool sitsOut(const Contest& contest, int pair) {
    if (pair < 1) return false;
    if (pair == contest.byePair) return true;
    if (!contest.sections.any()) return false;
    for (const Section& section : contest.sections.list)
        if (section.sitOut == pair) return true;
    return false;
}

std::string sitOutText(const Contest& contest) {
    std::string text;
    for (int pair = 1; pair <= std::clamp(contest.maxPairNumber, 0, kMaxPair); ++pair)
        if (sitsOut(contest, pair)) text += (text.empty() ? "" : ", ") + pairLabel(contest, pair);
    return text;
}

int playingPairCount(const Contest& contest) {
    int count = contest.maxPairNumber - (contest.byePair > 0 ? 1 : 0);
    if (contest.sections.any())
        for (const Section& section : contest.sections.list)
            if (section.sitOut > 0 && section.sitOut != contest.byePair) --count;
    return count;
}

int tableCountOf(const Contest& contest) {
    if (contest.sections.any()) {
        int tables = 0;
        for (int i = 0; i < static_cast<int>(contest.sections.list.size()); ++i)
            tables += seatedPairCount(contest, i) / 2;
        return tables;
    }
    const int tables = laidTableCount(contest);
    // An odd field's bye pair sits at no table of its own.
    return tables - (contest.byePair > 0 && contest.maxPairNumber % 2 == 0 ? 1 : 0);
}

int laidTableCount(const Contest& contest) { return contest.maxPairNumber / (contest.isIndividual ? 4 : 2); }

void settleSections(Contest& contest) {
    if (!contest.sections.any()) return;
    std::array<bool, kParticipantSlots> played{};
    for (int b = 1; b <= contest.lastBoard(); ++b)
        for (int i = 0; i < std::clamp(contest.boards[b].resultCount, 0, kMaxResults); ++i) {
            const BoardResult& r = contest.boards[b].results[i];
            if (!hasScore(r.nsScore)) continue;
            for (int pair : {r.nsPair, r.ewPair})
                if (Contest::validPair(pair)) played[static_cast<std::size_t>(pair)] = true;
        }
    const auto fripar = [&contest, &played](int pair) {
        return contest.byeMember && Contest::validPair(pair) && !played[static_cast<std::size_t>(pair)] &&
               contest.participants[static_cast<std::size_t>(pair)].first == contest.byeMember;
    };
    int firstSitOut = 0, tables = 0;
    for (Section& section : contest.sections.list) {
        section.sitOut = 0;
        for (int pair = section.lastPair; pair >= section.firstPair && section.sitOut == 0; --pair)
            if (fripar(pair)) section.sitOut = pair;
        if (firstSitOut == 0) firstSitOut = section.sitOut;
        tables += (section.lastPair - section.firstPair + 1) / 2;
    }
    contest.byePair = firstSitOut;
    // The sit-outs' tables are kept in the count: they rest in the rounds a sit-out would play.
    contest.tableCount = tables;
    contest.playingTableCount = tableCountOf(contest);
    for (int b = 1; b <= kMaxBoard; ++b) sortResults(contest.boards[b]);
}

std::string sectionsProblem(const Sections& sections) {
    if (static_cast<int>(sections.list.size()) > kMaxSections) return "h\xf6gst 8 sektioner (A-H)";
    int after = 0;
    for (std::size_t i = 0; i < sections.list.size(); ++i) {
        const Section& s = sections.list[i];
        const std::string letter(1, s.letter);
        if (s.letter != static_cast<char>('A' + i))
            return "sektion " + letter + " ska heta " + std::string(1, static_cast<char>('A' + i));
        if (s.firstPair < 1 || s.lastPair > kMaxPair || s.firstPair > s.lastPair)
            return "sektion " + letter + " ska ha par inom 1-72";
        if (s.firstPair <= after) return "sektion " + letter + " b\xf6rjar inom sektionen f\xf6re";
        after = s.lastPair;
    }
    return "";
}

Sections sectionsOfSizes(const std::vector<int>& pairCounts, bool acrossField) {
    Sections sections;
    sections.acrossField = acrossField;
    int next = 1;
    for (std::size_t i = 0; i < pairCounts.size(); ++i) {
        sections.list.push_back({static_cast<char>('A' + i), next, next + pairCounts[i] - 1});
        next += pairCounts[i];
    }
    return sections;
}

std::vector<int> sectionSizesFromText(std::string_view text) {
    std::vector<int> sizes;
    std::size_t at = 0;
    while (at <= text.size()) {
        const std::size_t comma = std::min(text.find(',', at), text.size());
        std::string_view part = text.substr(at, comma - at);
        while (!part.empty() && part.front() == ' ') part.remove_prefix(1);
        while (!part.empty() && part.back() == ' ') part.remove_suffix(1);
        int value = 0;
        const auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), value);
        if (part.empty() || error != std::errc() || end != part.data() + part.size() || value < 2 ||
            value > kMaxPair)
            return {};
        sizes.push_back(value);
        at = comma + 1;
    }
    if (sizes.size() < 2 || static_cast<int>(sizes.size()) > kMaxSections) return {};
    return sizes;
}

}  // namespace vindelkast
