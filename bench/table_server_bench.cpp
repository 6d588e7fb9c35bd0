// The table server under the largest evening: 36 tables send a result at the same instant
// to the window's server on 127.0.0.1, with the standings, score tables and progress grid
// shown. Measured per table from sending to the acknowledgement, which comes only after
// the recovery file is written. Reports p50, p99 and the slowest over every batch.
#include <benchmark/benchmark.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <barrier>
#include <chrono>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include "app/form1.h"
#include "app/table_server.h"
#include "app/text_pane.h"
#include "app/view_panes.h"
#include "files/contest_file.h"
#include "model/board_results.h"
#include "model/version.h"
#include "movement/table_rounds.h"
#include "support/sample_contests.h"
#include "window_bench_support.h"

namespace vindelkast {
namespace {

constexpr int kTables = 36;

constexpr int kRounds = 36;
constexpr int kBoardsPerRound = 1;

// The most tables an evening can have, as a movement the tables follow: 36 tables, 72 pairs,
// 36 rounds of one board moving one table on per round (a contest file keeps a board's slots
// in round order, one a round), every slot laid and no score yet.
struct Folder {
    QTemporaryDir dir;
    QString previous = QDir::currentPath();
    Folder() {
        QDir::setCurrent(dir.path());
        test::ContestFixture f;
        test::setUp(f.c(), kRounds * kBoardsPerRound, kRounds, 72);
        for (int r = 1; r <= kRounds; ++r)
            for (int t = 1; t <= kTables; ++t)
                for (int i = 1; i <= kBoardsPerRound; ++i) {
                    const int board = (t - 1 + r - 1) % kRounds * kBoardsPerRound + i;
                    addResult(f.c().boards[board], t, kTables + t, r, kNoScore, 0.0f, 0.0f, true);
                }
        test::fillRegister(*f.reg, 144);
        test::seatPairs(f.c(), 72);
        std::ofstream reg("medlem.txt", std::ios::binary);
        for (int i = 1; i <= 144; ++i) reg << "Efternamn" << i << " F\xf6rnamn" << i << " " << i << " 0\r\n";
        reg.close();
        std::ofstream contest("stor.sco", std::ios::binary);
        writeContest(f.c(), contest, kVersionText);
    }
    ~Folder() { QDir::setCurrent(previous); }
};

// One blocking HTTP exchange on its own connection; the answer's status, or 0.
int post(quint16 port, const std::string& body) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    timeval limit{10, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return 0;
    }
    const std::string request =
        "POST /api/submit HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Type: application/json\r\n"
        "Connection: close\r\nContent-Length: " +
        std::to_string(body.size()) + "\r\n\r\n" + body;
    ::send(fd, request.data(), request.size(), 0);
    std::string answer;
    char buffer[4096];
    ssize_t got = 0;
    // Until the whole body is in: the server keeps the connection open after answering.
    const auto complete = [&answer] {
        const std::size_t end = answer.find("\r\n\r\n");
        const std::size_t length = answer.find("Content-Length: ");
        return end != std::string::npos && length != std::string::npos &&
               answer.size() >= end + 4 + std::stoul(answer.substr(length + 16));
    };
    while (!complete() && (got = ::recv(fd, buffer, sizeof buffer, 0)) > 0)
        answer.append(buffer, static_cast<std::size_t>(got));
    ::close(fd);
    return answer.size() > 12 ? std::atoi(answer.c_str() + 9) : 0;
}

void BM_ThirtySixTablesSubmitAtOnce(benchmark::State& state) {
    Folder folder;
    bench::QuietDialogs dialogs;
    dialogs.fileName = folder.dir.filePath("stor.sco");
    TForm1 form(dialogs);
    form.show();
    bench::openWithEveryView(form);
    const QString started = form.startTableServer(0);
    if (!started.isEmpty() || tableCountOfEvening(form.contest(), false) != kTables) {
        state.SkipWithError("the server did not start on a 36-table evening");
        return;
    }
    const quint16 port = form.tableServer().port();
    const TableCodes codes = form.tableServer().service()->codes();
    std::vector<double> latencies;
    int batch = 0;
    for (auto _ : state) {
        ++batch;
        if (batch > kRounds * kBoardsPerRound) {
            state.SkipWithError("every board is entered");
            break;
        }
        // Each table's next board, sent the moment all 36 are ready.
        std::vector<std::string> bodies;
        const int round = (batch + kBoardsPerRound - 1) / kBoardsPerRound;
        for (int t = 1; t <= kTables; ++t) {
            const TableSeat seat = tableSeat(form.contest(), t, round, false);
            const int board = seat.boards.at(static_cast<std::size_t>((batch - 1) % kBoardsPerRound));
            bodies.push_back(
                "{\"table\":" + std::to_string(t) + ",\"code\":\"" + codes.tables[t - 1] +
                "\",\"entry\":\"b" + std::to_string(batch) + "t" + std::to_string(t) +
                "\",\"board\":" + std::to_string(board) +
                ",\"contract\":\"4S\",\"declarer\":\"N\",\"tricks\":" + std::to_string(8 + t % 5) + "}");
        }
        std::vector<double> times(kTables, 0.0);
        std::vector<int> statuses(kTables, 0);
        std::atomic<int> done = 0;
        std::barrier start(kTables);
        std::vector<std::thread> tables;
        for (int t = 0; t < kTables; ++t)
            tables.emplace_back([&, t] {
                start.arrive_and_wait();
                const auto sent = std::chrono::steady_clock::now();
                statuses[t] = post(port, bodies[t]);
                times[t] = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - sent)
                               .count();
                ++done;
            });
        bench::serveClients(tables, done, kTables);
        if (std::count(statuses.begin(), statuses.end(), 200) != kTables) {
            state.SkipWithError("a table was not acknowledged");
            break;
        }
        state.SetIterationTime(*std::max_element(times.begin(), times.end()) / 1000.0);
        latencies.insert(latencies.end(), times.begin(), times.end());
    }
    if (latencies.empty()) return;
    std::sort(latencies.begin(), latencies.end());
    const auto at = [&](double q) { return latencies[static_cast<std::size_t>(q * (latencies.size() - 1))]; };
    state.counters["p50_ms"] = at(0.50);
    state.counters["p99_ms"] = at(0.99);
    state.counters["max_ms"] = latencies.back();
    state.counters["acks"] = static_cast<double>(latencies.size());
}
BENCHMARK(BM_ThirtySixTablesSubmitAtOnce)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

}  // namespace
}  // namespace vindelkast
