#include "output/export_names.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "model/result_order.h"

namespace vindelkast {

namespace {

std::string upperTail(const std::string& name) {
    std::string tail = name.substr(name.size() - 4);
    for (char& c : tail) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return tail;
}

}  // namespace

std::string htmlFileName(const std::string& chosen) {
    if (chosen.size() < 5) return chosen + ".html";
    const std::string tail = upperTail(chosen);
    return tail == "HTML" || tail == ".HTM" ? chosen : chosen + ".html";
}

std::string xmlFileName(const std::string& chosen) {
    if (chosen.size() < 5) return chosen + ".xml";
    return upperTail(chosen) == ".XML" ? chosen : chosen + ".xml";
}

int resultOrderFromAnswer(std::string_view answer) {
    if (answer.empty()) return ScoreOrder;
    switch (answer.front()) {
    case 'P':
    case 'p':
        return PairOrder;
    case 'S':
    case 's':
        return TableOrder;
    default:
        return ScoreOrder;
    }
}

int roundFromAnswer(std::string_view answer, int proposal) {
    while (!answer.empty() && answer.front() == ' ') answer.remove_prefix(1);
    while (!answer.empty() && answer.back() == ' ') answer.remove_suffix(1);
    int round = 0;
    const auto [end, error] = std::from_chars(answer.data(), answer.data() + answer.size(), round);
    if (error != std::errc() || end != answer.data() + answer.size()) return proposal;
    return round;
}

}  // namespace vindelkast
