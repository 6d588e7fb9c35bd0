#pragma once

#include <string>
#include <string_view>
#include <vector>

// An evening played in sections (A, B, C ...), each with its own tables and movement. The
// contest keeps one numbering of pairs 1..72, as its file gives it to every reader; a section
// is a range of those numbers, and a pair is shown by its section's letter and its number
// within it ("B7") wherever the evening has more than one section.
namespace vindelkast {

struct Contest;
struct Board;

struct Section {
    char letter = 'A';
    int firstPair = 0;  // the contest's numbers, first..last
    int lastPair = 0;
    // The number that sits out in a section of an odd number of pairs (0: none): "fripar" sits
    // there in the start list, it holds no slot on any board and is nobody in the results.
    int sitOut = 0;
    bool operator==(const Section&) const = default;
};

struct Sections {
    std::vector<Section> list;  // in letter order, the ranges ascending; fewer than 2: no sections
    // Matchpoints across the field (every result of every section on a board compared);
    // otherwise each section's results are compared among themselves.
    bool acrossField = false;

    bool any() const { return list.size() > 1; }
    bool operator==(const Sections&) const = default;
};

// The most sections an evening may have (A..H): far more than a club's rooms hold.
inline constexpr int kMaxSections = 8;

// The index of the section a pair number belongs to, or -1 (no sections, or none holds it).
int sectionOf(const Contest& contest, int pair);

// A pair as every view, page and export shows it: "A1", "B7" when the evening has sections,
// the plain number otherwise.
std::string pairLabel(const Contest& contest, int pair);

// The tables of section `index` follow those of the sections before it, half its numbers each
// (its sit-out's table too, which rests in the rounds the sit-out would play): A 1-7, B 8-14.
// The first of them by the contest's running table number, and how many.
int firstTableOfSection(const Contest& contest, int index);
int tablesOfSection(const Contest& contest, int index);

// A table as the slips, phones, cards and the desk show it: "A3", "B3" when the evening has
// sections, the running number otherwise (which the codes and the requests carry).
std::string tableLabel(const Contest& contest, int table);

// The running table number a typed label or number stands for ("B3", or the number itself);
// 0 when it names no table of the evening's sections.
int tableFromLabel(const Contest& contest, std::string_view text);

// The pair a typed label or number stands for: "B7" in an evening with sections, or the
// contest's own number; 0 when it names no pair (no such section or number).
int pairFromLabel(const Contest& contest, std::string_view text);

// The pairs section `index` seats: its range without its sit-out.
int seatedPairCount(const Contest& contest, int index);

// True when `pair` sits out and is nobody: the contest's bye pair, and in an evening in
// sections each section's sit-out. Its results never count and it never shows as a pair.
bool sitsOut(const Contest& contest, int pair);

// The numbers that sit out as every view shows them ("8", "A14, B14"); "" when none.
std::string sitOutText(const Contest& contest);

// The pairs that play: the highest pair number less the numbers that sit out.
int playingPairCount(const Contest& contest);

// The tables played at in a round: each section's seated pairs at two a table, or without
// sections the field's numbers at two a table (four players in an individual contest) less
// the table the bye pair leaves empty.
int tableCountOf(const Contest& contest);
// The tables a movement lays for the field's numbers, the bye pair's table among them: two
// pairs a table, four players in an individual contest.
int laidTableCount(const Contest& contest);

// Settles an evening in sections after its sections or its start list changed: a section's
// sit-out is its number that "fripar" sits under (none when that number has a scored result:
// a pair that played is never turned into nobody), the contest's bye pair the first of them
// (the contest file has room for one), the sit-outs' empty slots leave the boards, and the
// tables are counted per section. An evening without sections is left as it is.
void settleSections(Contest& contest);

// A pair's number within its section (B7 → 7); the number itself without sections.
int numberInSection(const Contest& contest, int pair);

// "" or why the sections cannot be an evening's: letters not A, B, C ... in order, ranges
// empty, overlapping, out of order or outside 1..72.
std::string sectionsProblem(const Sections& sections);

// Sections laid end to end from their pair counts: A 1..n1, B n1+1..n1+n2 ...
Sections sectionsOfSizes(const std::vector<int>& pairCounts, bool acrossField);

// The pair counts of "16,18" (spaces allowed around the numbers): 2-8 sections of 2-72
// pairs each. Empty when the text is not such a list; kSectionSizesRule says what it must be.
std::vector<int> sectionSizesFromText(std::string_view text);
inline const char* const kSectionSizesRule = "2-8 antal par med komma emellan, t.ex. 16,18";

}  // namespace vindelkast
