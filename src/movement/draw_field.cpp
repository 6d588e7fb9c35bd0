#include "movement/draw_field.h"

#include <boost/graph/adjacency_list.hpp>
#include <boost/graph/max_cardinality_matching.hpp>

namespace vindelkast {

namespace {

using Graph = boost::adjacency_list<boost::vecS, boost::vecS, boost::undirectedS>;
using Vertex = boost::graph_traits<Graph>::vertex_descriptor;
const Vertex kUnmatched = boost::graph_traits<Graph>::null_vertex();

// Starts the matching from the mates already filled in instead of a greedy one.
template <typename G, typename MateMap>
struct KeepMatching {
    static void find_matching(const G&, MateMap) {}
};

// A maximum matching of the free places, kept from one table to the next. Vertex v stands
// for place v + 1.
class FreePlaces {
public:
    explicit FreePlaces(const DrawField& field)
        : m_field(field), m_free(field.placeCount + 1, true), m_mate(field.placeCount, kUnmatched) {
        m_free[0] = false;
        m_size = maximise(m_mate);
    }

    bool isFree(int place) const { return m_free[place]; }
    int matchingSize() const { return m_size; }

    // Seats the two places when the places left can still fill `tablesAfter` tables.
    bool trySeat(int upper, int lower, int tablesAfter) {
        std::vector<Vertex> mate = m_mate;
        int size = m_size;
        for (int place : {upper, lower}) {
            const Vertex v = place - 1;
            if (mate[v] == kUnmatched) continue;
            mate[mate[v]] = kUnmatched;
            mate[v] = kUnmatched;
            --size;
        }
        m_free[upper] = m_free[lower] = false;
        if (size < tablesAfter) size = maximise(mate);
        if (size < tablesAfter) {
            m_free[upper] = m_free[lower] = true;
            return false;
        }
        m_mate = std::move(mate);
        m_size = size;
        return true;
    }

private:
    // Grows `mate` into a maximum matching of the free places; returns its size.
    int maximise(std::vector<Vertex>& mate) const {
        const int n = m_field.placeCount;
        Graph graph(n);
        for (int i = 1; i <= n; ++i) {
            if (!m_free[i]) continue;
            for (int j = i + 1; j <= n; ++j)
                if (m_free[j] && m_field.allows(i, j)) boost::add_edge(i - 1, j - 1, graph);
        }
        boost::matching<Graph, Vertex*, boost::property_map<Graph, boost::vertex_index_t>::type,
                        boost::edmonds_augmenting_path_finder, KeepMatching, boost::no_matching_verifier>(
            graph, mate.data(), boost::get(boost::vertex_index, graph));
        int matched = 0;
        for (Vertex v = 0; v < mate.size(); ++v)
            if (mate[v] != kUnmatched) ++matched;
        return matched / 2;
    }

    const DrawField& m_field;
    std::vector<bool> m_free;
    std::vector<Vertex> m_mate;
    int m_size = 0;
};

}  // namespace

bool DrawField::allows(int upperPlace, int lowerPlace) const {
    const int upper = pairAt[upperPlace];
    const int lower = pairAt[lowerPlace];
    if (meetings[upper][lower] >= meetingLimit) return false;
    return !(lower == byePair && satOut[upper]);
}

std::vector<DrawnTable> seatTables(const DrawField& field) {
    const int n = field.placeCount;
    if (field.tableCount <= 0 || 2 * field.tableCount > n) return {};
    FreePlaces places(field);
    if (places.matchingSize() < field.tableCount) return {};
    std::vector<DrawnTable> tables;
    for (int t = 1; t <= field.tableCount; ++t) {
        bool seated = false;
        for (int upper = 1; upper <= n && !seated; ++upper) {
            if (!places.isFree(upper)) continue;
            for (int lower = upper + 1; lower <= n && !seated; ++lower)
                if (places.isFree(lower) && field.allows(upper, lower) &&
                    places.trySeat(upper, lower, field.tableCount - t)) {
                    tables.push_back({upper, lower});
                    seated = true;
                }
        }
        if (!seated) return {};
    }
    return tables;
}

}  // namespace vindelkast
