#include "files/pbn_results.h"

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <string_view>

#include "files/foreign_text.h"
#include "files/pbn_tags.h"
#include "files/text_fields.h"
#include "model/scoring_form.h"

namespace vindelkast {

namespace {

struct Refused {
    std::string message;
};

// "Anna Andersson & Bo Berg", "Anna Andersson - Bo Berg" and so on: the two players.
void splitPairNames(const std::string& names, ImportedPair& pair) {
    for (const char* separator : {" & ", " - ", " / ", " och ", " and ", " + ", " -- "}) {
        const auto at = names.find(separator);
        if (at == std::string::npos) continue;
        pair.players[0].name = names.substr(0, at);
        pair.players[1].name = names.substr(at + std::string(separator).size());
        return;
    }
    pair.players[0].name = names;
}

// A pair without names is published by its number, "Par 7" or "Par B7" (as this program's own
// export writes it): that is no player's name.
bool namesOnlyTheNumber(const std::string& names) {
    if (!names.starts_with("Par ")) return false;
    std::string_view number(names);
    number.remove_prefix(4);
    if (!number.empty() && number.front() >= 'A' && number.front() <= 'H') number.remove_prefix(1);
    return !number.empty() && number.size() <= 2 &&
           std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The number a name ends in ("Para-12" 12), or 0.
int endingNumber(const std::string& name) {
    std::size_t start = name.size();
    while (start > 0 && name.size() - start < 3 && name[start - 1] >= '0' && name[start - 1] <= '9') --start;
    if (start == name.size() || (start > 0 && name[start - 1] >= '0' && name[start - 1] <= '9')) return 0;
    return std::stoi(name.substr(start));
}

class PbnReading {
public:
    explicit PbnReading(ImportedSession& session) : m_s(session) {}

    void read(const std::vector<PbnGame>& games) {
        for (const PbnGame& game : games) readGame(game);
        numberSeatPairs();
        for (auto& [number, pair] : m_pairs) m_s.pairs.push_back(pair);
        if (m_sections.size() > 1) m_s.sections = m_sections;
    }

private:
    std::string value(const PbnTag& tag) {
        bool lost = false;
        std::string text = tidyText(cp1252FromForeign(tag.value, lost));
        if (lost) m_s.notes.push_back({tag.line, "tecken som Windows-1252 saknar blev ? i " + text});
        return text;
    }

    int numberIn(const std::string& text, int line, const std::string& what) {
        const auto n = parseInt(text);
        if (!n) throw Refused{noteText({line, what + " ska vara ett heltal, inte \"" + text + "\""})};
        return *n;
    }

    void takeTexts(const PbnGame& game) {
        const auto take = [&](const char* tag, std::string& into) {
            if (const PbnTag* t = game.tag(tag); t && into.empty()) {
                const std::string text = value(*t);
                if (text != "?" && text.find("??") == std::string::npos) into = text;
            }
        };
        take("Event", m_s.title);
        take("Site", m_s.club);
        std::string date;
        take("Date", date);
        if (m_s.date.empty() && !date.empty()) m_s.date = isoDate(date);
    }

    void name(int number, int seat, const std::string& text, int line) {
        ImportedPair& pair = m_pairs[number];
        pair.number = number;
        if (pair.line == 0) pair.line = line;
        if (pair.players[seat].name.empty()) pair.players[seat].name = text;
    }

    // A NS and an EW cell: a score for one side, "-" for the other; or adjusted forms.
    ImportedScore score(const std::string& ns, const std::string& ew, int line) {
        ImportedScore nsScore, ewScore;
        const bool nsGiven = ns != "-" && !ns.empty(), ewGiven = ew != "-" && !ew.empty();
        if (nsGiven && !parseForeignScore(ns, nsScore))
            throw Refused{noteText({line, "NS-po\xe4ngen \"" + ns + "\" kan inte l\xe4sas"})};
        if (ewGiven && !parseForeignScore(ew, ewScore))
            throw Refused{noteText({line, "\xd6V-po\xe4ngen \"" + ew + "\" kan inte l\xe4sas"})};
        using Kind = ImportedScore::Kind;
        if (nsScore.kind == Kind::Adjusted && ewScore.kind == Kind::Adjusted)
            return {Kind::Adjusted, 0, nsScore.nsPercent, ewScore.nsPercent};
        if (nsScore.kind == Kind::Adjusted) return nsScore;
        if (ewScore.kind == Kind::Adjusted) return {Kind::Adjusted, 0, ewScore.ewPercent, ewScore.nsPercent};
        if (nsGiven && ewGiven && nsScore.nsScore != 0 && ewScore.nsScore != 0 &&
            nsScore.nsScore != -ewScore.nsScore)
            throw Refused{noteText({line,
                                    "b\xe5"
                                    "de NS och \xd6V har po\xe4ng (" +
                                        ns + " och " + ew + ")"})};
        if (nsGiven && nsScore.nsScore != 0) return nsScore;
        if (ewGiven) return {Kind::Bridge, -ewScore.nsScore, 0, 0};
        if (nsGiven) return nsScore;
        return {};
    }

    // "NS 420", "EW 50" or "420".
    ImportedScore scoreTag(const std::string& text, int line) {
        const auto words = splitWords(text);
        if (words.size() == 2 && (words[0] == "NS" || words[0] == "EW")) {
            const std::string number(words[1]);
            return words[0] == "NS" ? score(number, "-", line) : score("-", number, line);
        }
        return score(text, "-", line);
    }

    void contract(ImportedResult& r, const std::string& contract, const std::string& declarer,
                  const std::string& result, int line) {
        if (contract.empty() || contract == "-") return;
        if (!parseForeignContract(contract, r.played.contract).empty()) {
            // Some programs write the adjusted score where the contract goes.
            ImportedScore adjusted;
            if (parseForeignScore(contract, adjusted) && adjusted.kind == ImportedScore::Kind::Adjusted &&
                r.score.kind == ImportedScore::Kind::None)
                r.score = adjusted;
            else
                m_s.notes.push_back(
                    {line, "kontraktet \"" + contract + "\" kan inte l\xe4sas och sparas inte"});
            return;
        }
        r.hasContract = r.played.contract.passedOut();
        if (r.hasContract) return;
        r.played.declarer = parseDeclarer(declarer);
        r.played.tricks = parseForeignTricks(r.played.contract, result);
        r.hasContract = r.played.declarer >= 0 && r.played.tricks >= 0;
        if (!r.hasContract)
            m_s.notes.push_back(
                {line, "kontraktet " + contract + " saknar spelf\xf6rare eller stick och sparas inte"});
    }

    void finish(ImportedResult& r, bool tableRow) {
        using Kind = ImportedScore::Kind;
        if (r.score.kind == Kind::None && r.hasContract && r.played.contract.passedOut())
            r.score = {Kind::Bridge, 0, 0, 0};
        // A row of a score table was played: "-" on both sides is a board passed out (and
        // where the file meant an adjusted score, its matchpoints will not be ours).
        if (r.score.kind == Kind::None && !r.hasContract && tableRow) {
            r.score = {Kind::Bridge, 0, 0, 0};
            m_s.notes.push_back({r.line, "varken NS eller \xd6V har po\xe4ng; giv " +
                                             std::to_string(r.board) + " r\xe4knas som passad (0)"});
        }
        m_s.results.push_back(r);
    }

    float points(const std::string& text) {
        if (text.empty() || text == "-") return kNoPoints;
        return parseFloat(text).value_or(kNoPoints);
    }

    void readScoreTable(const PbnGame& game, const PbnTag& table, int board) {
        const PbnColumns columns(table.value);
        if (columns.has("PlayerId_N") || columns.has("PlayerId_NS"))
            throw Refused{noteText({table.line, "bara part\xe4vlingar kan importeras"})};
        if (!columns.has("PairId_NS") || !columns.has("PairId_EW"))
            throw Refused{noteText({table.line, "ScoreTable saknar kolumnerna PairId_NS och PairId_EW"})};
        for (const PbnRow& row : game.rows("ScoreTable")) {
            if (row.cells.size() != columns.size())
                throw Refused{
                    noteText({row.line, "raden har " + std::to_string(row.cells.size()) +
                                            " f\xe4lt men tabellen " + std::to_string(columns.size())})};
            const auto cell = [&](const char* name) { return tidyText(columns.cell(row, name)); };
            ImportedResult r;
            r.line = row.line;
            r.board = board;
            r.nsPair = numberIn(cell("PairId_NS"), row.line, "PairId_NS");
            r.ewPair = numberIn(cell("PairId_EW"), row.line, "PairId_EW");
            if (columns.has("Round")) r.round = numberIn(cell("Round"), row.line, "Round");
            r.score = columns.has("Score") ? scoreTag(cell("Score"), row.line)
                                           : score(cell("Score_NS"), cell("Score_EW"), row.line);
            contract(r, cell("Contract"), cell("Declarer"), cell("Result"), row.line);
            // A table with IMP columns was scored in IMPs: Butler when the Scoring tag says so.
            const std::string prefix = columns.has("IMP_NS") && columns.has("IMP_EW") ? "IMP" : "MP";
            const PbnTag* scoring = game.tag("Scoring");
            const ScoringRule rule = ruleOfPbnTable(prefix, scoring ? value(*scoring) : std::string());
            if (rule != ScoringRule{}) m_s.rule = rule;
            const std::string column = scoringForm(rule).codes().pbnPoints;
            r.publishedNs = points(cell((column + "_NS").c_str()));
            r.publishedEw = points(cell((column + "_EW").c_str()));
            finish(r, true);
        }
    }

    void readTotals(const PbnGame& game, const PbnTag& table) {
        const PbnColumns columns(table.value);
        if (!columns.has("PairId") || (!columns.has("Names") && !columns.has("Name"))) return;
        for (const PbnRow& row : game.rows("TotalScoreTable")) {
            if (row.cells.size() != columns.size()) continue;
            bool lost = false;
            const std::string names =
                tidyText(cp1252FromForeign(columns.cell(row, columns.has("Names") ? "Names" : "Name"), lost));
            const int number = numberIn(tidyText(columns.cell(row, "PairId")), row.line, "PairId");
            if (columns.has("Section")) section(tidyText(columns.cell(row, "Section")), number);
            if (namesOnlyTheNumber(names)) continue;
            ImportedPair pair;
            splitPairNames(names, pair);
            name(number, 0, pair.players[0].name, row.line);
            name(number, 1, pair.players[1].name, row.line);
        }
    }

    // A pair's section from the totals' Section column: each section spans its pairs' numbers.
    void section(const std::string& id, int pair) {
        if (id.empty() || id == "-") return;
        for (ImportedSection& known : m_sections)
            if (known.id == id) {
                known.firstPair = std::min(known.firstPair, pair);
                known.lastPair = std::max(known.lastPair, pair);
                known.pairs.push_back(pair);
                return;
            }
        m_sections.push_back({id, pair, pair, {pair}});
    }

    int pairTag(const PbnGame& game, const char* name, const char* other) {
        const PbnTag* tag = game.tag(name);
        if (!tag) tag = game.tag(other);
        if (!tag) throw Refused{noteText({game.line, std::string("resultatet saknar [") + name + "]"})};
        return numberIn(value(*tag), tag->line, name);
    }

    // The pair at two seats of a record without pair numbers, by the seats' names: an index
    // into m_seatPairs, or -1 when a seat has no name.
    int seatPair(const PbnGame& game, const char* seat, const char* partner) {
        const PbnTag* a = game.tag(seat);
        const PbnTag* b = game.tag(partner);
        if (!a || !b) return -1;
        std::string first = value(*a), second = value(*b);
        if (first.empty() || second.empty()) return -1;
        // The same players sit either way round.
        const std::string key = std::min(first, second) + '\n' + std::max(first, second);
        for (std::size_t i = 0; i < m_seatPairs.size(); ++i)
            if (m_seatPairs[i].key == key) return static_cast<int>(i);
        m_seatPairs.push_back({key, std::move(first), std::move(second), a->line});
        return static_cast<int>(m_seatPairs.size()) - 1;
    }

    // One pair per distinct name, numbered from the name where it ends in a number ("Para-7"
    // is pair 7), the others with the lowest numbers left, in the order they first sit.
    void numberSeatPairs() {
        if (m_seatPairs.empty()) return;
        std::set<int> taken;
        for (const ImportedResult& r : m_s.results) taken.insert({r.nsPair, r.ewPair});
        std::vector<int> numbers(m_seatPairs.size(), 0);
        for (std::size_t i = 0; i < m_seatPairs.size(); ++i) {
            const int n =
                m_seatPairs[i].first == m_seatPairs[i].second ? endingNumber(m_seatPairs[i].first) : 0;
            if (n >= 1 && n <= kMaxPair && taken.insert(n).second) numbers[i] = n;
        }
        int next = 1;
        for (int& number : numbers) {
            if (number != 0) continue;
            while (taken.count(next)) ++next;
            number = next;
            taken.insert(next);
        }
        for (const auto& [index, seats] : m_seatResults) {
            m_s.results[index].nsPair = numbers[static_cast<std::size_t>(seats[0])];
            m_s.results[index].ewPair = numbers[static_cast<std::size_t>(seats[1])];
        }
        // Two names are the players; one name at both seats is only the pair's.
        for (std::size_t i = 0; i < m_seatPairs.size(); ++i) {
            const SeatPair& pair = m_seatPairs[i];
            if (pair.first == pair.second) continue;
            name(numbers[i], 0, pair.first, pair.line);
            name(numbers[i], 1, pair.second, pair.line);
        }
    }

    void readRecord(const PbnGame& game, int board) {
        ImportedResult r;
        r.line = game.tag("Contract") ? game.tag("Contract")->line : game.line;
        r.board = board;
        const bool numbered =
            game.tag("PairNS") || game.tag("PairId_NS") || game.tag("PairEW") || game.tag("PairId_EW");
        const int nsNamed = numbered ? -1 : seatPair(game, "North", "South");
        const int ewNamed = numbered ? -1 : seatPair(game, "East", "West");
        const bool seatNamed = nsNamed >= 0 && ewNamed >= 0;
        if (seatNamed) {
            m_seatResults.push_back({m_s.results.size(), {nsNamed, ewNamed}});
        } else {
            r.nsPair = pairTag(game, "PairNS", "PairId_NS");
            r.ewPair = pairTag(game, "PairEW", "PairId_EW");
        }
        if (const PbnTag* round = game.tag("Round")) r.round = numberIn(value(*round), round->line, "Round");
        const auto text = [&](const char* tag) {
            return game.tag(tag) ? value(*game.tag(tag)) : std::string();
        };
        if (game.tag("Score")) r.score = scoreTag(text("Score"), game.tag("Score")->line);
        contract(r, text("Contract"), text("Declarer"), text("Result"), r.line);
        const char* seats[4] = {"North", "South", "East", "West"};
        for (int i = 0; i < 4 && !seatNamed; ++i)
            if (const PbnTag* player = game.tag(seats[i]); player && !value(*player).empty())
                name(i < 2 ? r.nsPair : r.ewPair, i % 2, value(*player), player->line);
        finish(r, false);
    }

    void readGame(const PbnGame& game) {
        takeTexts(game);
        const PbnTag* boardTag = game.tag("Board");
        const PbnTag* table = game.tag("ScoreTable");
        const bool record = game.tag("Contract") || game.tag("Result") || game.tag("Score");
        if (const PbnTag* totals = game.tag("TotalScoreTable")) readTotals(game, *totals);
        if (!boardTag) {
            if (table || record) throw Refused{noteText({game.line, "resultatet saknar [Board]"})};
            return;
        }
        const int board = numberIn(value(*boardTag), boardTag->line, "Board");
        if (const PbnTag* deal = game.tag("Deal"); deal && !m_deals[board]) {
            m_deals[board] = true;
            m_s.deals.push_back({board, deal->value, deal->line});
        }
        if (table) {
            readScoreTable(game, *table, board);
        } else if (record) {
            readRecord(game, board);
        }
    }

    struct SeatPair {
        std::string key, first, second;
        int line = 0;
    };

    ImportedSession& m_s;
    std::map<int, ImportedPair> m_pairs;
    std::vector<SeatPair> m_seatPairs;
    std::vector<std::pair<std::size_t, std::array<int, 2>>> m_seatResults;  // result, NS and EW seat pair
    std::map<int, bool> m_deals;
    std::vector<ImportedSection> m_sections;  // in the order the totals name them
};

}  // namespace

SessionReading readPbnResults(std::string_view bytes) {
    SessionReading reading;
    const PbnFile file = splitPbnGames(bytes);
    if (!file.refusal.empty()) return {{}, file.refusal};
    PbnReading reader(reading.session);
    try {
        reader.read(file.games);
    } catch (const Refused& refused) {
        return {{}, refused.message};
    }
    if (reading.session.results.empty() && reading.session.deals.empty())
        return {{}, "Filen \xe4r ingen PBN-fil med resultat"};
    return reading;
}

}  // namespace vindelkast
