#include "output_samples.h"

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "model/board_results.h"
#include "model/board_scoring.h"
#include "model/bridge_tables.h"
#include "model/result_order.h"
#include "support/test_text.h"

namespace vindelkast::test {

namespace {

// Board 1 gives each seat one whole suit; the others deal a fixed shuffle round the table.
void dealBoard(Board& board) {
    std::array<int, 52> codes{};
    for (int i = 0; i < 52; ++i) codes[i] = i + 1;
    if (board.number != 1) {
        unsigned seed = 1234u + static_cast<unsigned>(board.number) * 7919u;
        for (int i = 51; i > 0; --i) {
            seed = seed * 1103515245u + 12345u;
            std::swap(codes[i], codes[(seed >> 8) % static_cast<unsigned>(i + 1)]);
        }
    }
    for (int seat = 0; seat < 4; ++seat) {
        std::array<int, 13> hand{};
        for (int k = 0; k < 13; ++k) hand[k] = board.number == 1 ? seat * 13 + k + 1 : codes[k * 4 + seat];
        std::sort(hand.begin(), hand.end());
        for (int k = 0; k < 13; ++k) board.deal[seat][k] = cardFromCode(hand[k]);
    }
}

}  // namespace

Evening::Evening() {
    Contest& c = *contest;
    fillRegister(*reg, 20);
    *reg->entry(1) = Member{w("Åström"), w("Örjan"), 17, 0.0};
    *reg->entry(2) = Member{w("H&M"), w("Ärla"), 1234, 0.0};
    *reg->entry(3) = Member{w("<script>"), w("Éva"), 345, 0.0};
    c.contestName = w("Höstcup & <b>fest</b>");
    c.contestDate = "2024-10-08";
    c.arranger = "S&B \"Vinden\"";
    c.writerVersion = "3.23 2015-07-27";
    setUp(c, 9, 3, 8, 8);
    seatPairs(c, 7);
    c.participants[8] = {c.byeMember, c.byeMember};
    c.participantCount = 8;
    // Round r: pair r meets the bye pair, the other six play three tables.
    for (int r = 1; r <= 3; ++r) {
        std::array<int, 6> others{};
        int n = 0;
        for (int p = 1; p <= 7; ++p)
            if (p != r) others[n++] = p;
        std::rotate(others.begin(), others.begin() + r, others.end());
        for (int b = 3 * r - 2; b <= 3 * r; ++b) {
            for (int t = 0; t < 3; ++t)
                addResult(c.boards[b], others[2 * t], others[2 * t + 1], r, kNoScore, 0, 0, true);
            addResult(c.boards[b], r, 8, r, kNoScore, 0, 0, true);
        }
    }
    const int scores[9][3] = {{420, 420, 450},  {10064, -100, 140}, {-50, -50, 110},
                              {620, 650, -100}, {-1430, 100, 120},  {200, 200, 200},
                              {-200, 300, 100}, {50, -420, 100},    {1100, kNoScore, 400}};
    for (int b = 1; b <= 9; ++b) {
        for (int t = 0; t < 3; ++t) {
            const BoardResult r = c.boards[b].results[t];
            if (scores[b - 1][t] != kNoScore) enter(c, b, r.nsPair, r.ewPair, scores[b - 1][t]);
        }
    }
    for (int b = 1; b <= 7; ++b) dealBoard(c.boards[b]);
    c.dealCount = 7;
}

TiedBoard::TiedBoard() {
    Contest& c = *contest;
    fillRegister(*reg, 12);
    c.contestName = "Lika";
    setUp(c, 1, 1, 6);
    seatPairs(c, 6);
    for (int t = 0; t < 3; ++t) addResult(c.boards[1], 2 * t + 1, 2 * t + 2, 1, kNoScore, 0, 0, true);
    enter(c, 1, 1, 2, 420);
    enter(c, 1, 3, 4, 420);
    enter(c, 1, 5, 6, 100);
}

std::string decodeBase64(const std::string& text) {
    static const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    unsigned group = 0;
    int bits = 0;
    for (char c : text) {
        if (c == '\r' || c == '\n' || c == '=') continue;
        const auto value = alphabet.find(c);
        if (value == std::string::npos) throw std::invalid_argument("not base64");
        group = (group << 6) | static_cast<unsigned>(value);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            out += static_cast<char>((group >> bits) & 0xff);
        }
    }
    return out;
}

std::string linesBetween(const std::string& page, const std::string& from, const std::string& to) {
    const std::string start = from + "\r\n";
    const auto begin = page.find(start);
    if (begin == std::string::npos) return "";
    const auto end = page.find("\r\n" + to + "\r\n", begin + start.size());
    if (end == std::string::npos) return "";
    return page.substr(begin + start.size(), end + 2 - begin - start.size());
}

int runXmllint(const std::string& options, const std::string& text, std::string& report) {
#ifdef _WIN32
    (void)options;
    (void)text;
    report = "xmllint finns inte under Windows";
    return kNoXmllint;
#else
    const auto dir = std::filesystem::temp_directory_path() /
                     ("vk_xmllint_" + std::to_string(::getpid()) + "_" + std::to_string(std::rand()));
    std::filesystem::create_directories(dir);
    const auto file = dir / "page.xml";
    const auto log = dir / "report.txt";
    std::ofstream(file, std::ios::binary) << text;
    const std::string command = "XML_CATALOG_FILES=/etc/xml/catalog xmllint --nonet --noout " + options +
                                " '" + file.string() + "' > '" + log.string() + "' 2>&1";
    const int status = std::system(command.c_str());
    std::ifstream in(log);
    report.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    std::filesystem::remove_all(dir);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
}

}  // namespace vindelkast::test
