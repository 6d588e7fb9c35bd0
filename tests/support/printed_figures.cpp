#include "support/printed_figures.h"

#include <algorithm>
#include <sstream>

namespace vindelkast::test {

PrintedStandings readPrintedStandings(const std::string& text) {
    PrintedStandings read;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        const auto mean = line.find(", medel ");
        const std::string section = line.rfind("Sektion ", 0) == 0 ? line.substr(8, 1) + " " : "";
        if (mean != std::string::npos) read.means.push_back(section + line.substr(mean + 8));
        // IMPs are printed with a decimal comma.
        std::replace(line.begin(), line.end(), ',', '.');
        std::istringstream words(line);
        std::string place, name;
        PrintedStanding standing;
        if (words >> place >> standing.pair >> name >> standing.figure >> standing.share && place != "pl")
            read.lines.push_back(standing);
    }
    return read;
}

std::vector<std::string> xmlValues(const std::string& xml, const std::string& tag) {
    std::vector<std::string> found;
    const std::string open = "<" + tag + ">";
    for (auto at = xml.find(open); at != std::string::npos; at = xml.find(open, at + 1))
        found.push_back(xml.substr(at + open.size(), xml.find('<', at + open.size()) - at - open.size()));
    return found;
}

std::string xmlPart(const std::string& xml, const std::string& start, const std::string& endTag) {
    const auto at = xml.find(start);
    return at == std::string::npos ? "" : xml.substr(at, xml.find(endTag, at) - at);
}

}  // namespace vindelkast::test
