#include "movement/pairing_search.h"

#include <boost/graph/adjacency_list.hpp>
#include <boost/graph/max_cardinality_matching.hpp>
#include <vector>

namespace vindelkast {

int mostPairs(int n, const std::function<bool(int, int)>& allowed) {
    using Graph = boost::adjacency_list<boost::vecS, boost::vecS, boost::undirectedS>;
    using Vertex = boost::graph_traits<Graph>::vertex_descriptor;
    Graph graph(n);
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            if (allowed(i, j)) boost::add_edge(i, j, graph);
    std::vector<Vertex> mate(n);
    boost::edmonds_maximum_cardinality_matching(graph, mate.data());
    int matched = 0;
    for (Vertex v = 0; v < mate.size(); ++v)
        if (mate[v] != boost::graph_traits<Graph>::null_vertex()) ++matched;
    return matched / 2;
}

}  // namespace vindelkast
