#include "model/sections.h"

#include <algorithm>
#include <charconv>

#include "model/contest.h"

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
    std::vector<bool> seated(static_cast<std::size_t>(kMaxPair) + 1, false);
    bool anySlot = false;
    for (int b = 1; b <= std::min(contest.boardCount, kMaxBoard); ++b)
        for (int i = 0; i < contest.boards[b].resultCount; ++i) {
            const BoardResult& r = contest.boards[b].results[i];
            for (int pair : {r.nsPair, r.ewPair})
                if (Contest::validPair(pair)) seated[static_cast<std::size_t>(pair)] = anySlot = true;
        }
    int count = 0;
    for (int pair = section.firstPair; pair <= section.lastPair; ++pair)
        if (!anySlot || seated[static_cast<std::size_t>(pair)]) ++count;
    return count;
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
