// The players' results pages served live while the evening goes on: every round, 36 tables
// send a result at the same instant while 72 phones read /resultat/ pages (the standings, a
// pair's card, a board's page; half of them as a table's phone with its login cookie). Each
// page is measured from sending the request to the last byte of the answer, on the window's
// server on 127.0.0.1 with the standings, score tables and progress grid shown. Every phone
// and table has an address of its own on the loopback network, as on the club's network.
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
#include "files/contest_file.h"
#include "files/contract_file.h"
#include "model/board_results.h"
#include "model/version.h"
#include "movement/table_rounds.h"
#include "support/sample_contests.h"
#include "support/sample_evening.h"
#include "window_bench_support.h"

namespace vindelkast {
namespace {

constexpr int kTables = 36;
constexpr int kRounds = 36;   // one board a round, moving one table on
constexpr int kPlayed = 18;   // rounds played before the measuring starts
constexpr int kReaders = 72;  // a phone for every pair

// 36 tables, 72 pairs with names, 36 boards with deals, the first 18 rounds played with
// contracts: the pages are as large as the evening makes them while it goes on.
struct Folder {
    QTemporaryDir dir;
    QString previous = QDir::currentPath();
    Folder() {
        QDir::setCurrent(dir.path());
        test::ContestFixture f;
        test::setUp(f.c(), kRounds, kRounds, 72);
        for (int r = 1; r <= kRounds; ++r)
            for (int t = 1; t <= kTables; ++t)
                addResult(f.c().boards[(t - 1 + r - 1) % kRounds + 1], t, kTables + t, r, kNoScore, 0.0f,
                          0.0f, true);
        for (int r = 1; r <= kPlayed; ++r)
            for (int t = 1; t <= kTables; ++t)
                test::enter(f.c(), (t - 1 + r - 1) % kRounds + 1, t, kTables + t, 10 * ((t * r) % 50) - 200);
        test::fillRegister(*f.reg, 144);
        test::seatPairs(f.c(), 72);
        test::dealEveryBoard(f.c(), 36);
        test::playWithContracts(f.c());
        std::ofstream reg("medlem.txt", std::ios::binary);
        for (int i = 1; i <= 144; ++i) reg << "Efternamn" << i << " F\xf6rnamn" << i << " " << i << " 0\r\n";
        reg.close();
        std::ofstream contest("stor.sco", std::ios::binary);
        writeContest(f.c(), contest, kVersionText);
        std::ofstream("stor.kontrakt", std::ios::binary) << writeContracts(f.c());
    }
    ~Folder() { QDir::setCurrent(previous); }
};

// A connection to the server from an address of its own on the loopback network
// (127.0.0.N), as each phone has its own; -1 when it cannot be made.
int connectFrom(int host, quint16 port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in own{};
    own.sin_family = AF_INET;
    own.sin_addr.s_addr = htonl(INADDR_LOOPBACK - 1 + static_cast<std::uint32_t>(host));
    sockaddr_in server{};
    server.sin_family = AF_INET;
    server.sin_port = htons(port);
    server.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    timeval limit{10, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    if (::bind(fd, reinterpret_cast<sockaddr*>(&own), sizeof own) != 0 ||
        ::connect(fd, reinterpret_cast<sockaddr*>(&server), sizeof server) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// One request on an open connection, read to the end of its answer; the status, or 0.
int ask(int fd, const std::string& request) {
    if (fd < 0) return 0;
    ::send(fd, request.data(), request.size(), MSG_NOSIGNAL);
    std::string answer;
    char buffer[16384];
    ssize_t got = 0;
    const auto complete = [&answer] {
        const std::size_t end = answer.find("\r\n\r\n");
        const std::size_t length = answer.find("Content-Length: ");
        return end != std::string::npos && length != std::string::npos &&
               answer.size() >= end + 4 + std::stoul(answer.substr(length + 16));
    };
    while (!complete() && (got = ::recv(fd, buffer, sizeof buffer, 0)) > 0)
        answer.append(buffer, static_cast<std::size_t>(got));
    return answer.size() > 12 ? std::atoi(answer.c_str() + 9) : 0;
}

std::string submitRequest(const std::string& body) {
    return "POST /api/submit HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Type: application/json\r\n"
           "Connection: close\r\nContent-Length: " +
           std::to_string(body.size()) + "\r\n\r\n" + body;
}

// Reader i asks, in turn, for the standings, a pair's card and a board; the odd ones as a
// table's phone.
std::string readRequest(int reader, int round, const TableCodes& codes) {
    const int kind = (reader + round) % 3;
    const std::string page = kind == 0   ? ""
                             : kind == 1 ? "par" + std::to_string(reader % 72 + 1) + ".html"
                                         : "giv" + std::to_string((reader + round) % kRounds + 1) + ".html";
    const int table = reader % kTables + 1;
    const std::string cookie =
        reader % 2 ? "Cookie: vkbord=" + std::to_string(table) + "-" + codes.tables[table - 1] + "\r\n" : "";
    return "GET /resultat/" + page + " HTTP/1.1\r\nHost: 127.0.0.1\r\n" + cookie + "\r\n";
}

void BM_ResultsPagesWhileTablesSubmit(benchmark::State& state) {
    Folder folder;
    bench::QuietDialogs dialogs;
    dialogs.fileName = folder.dir.filePath("stor.sco");
    TForm1 form(dialogs);
    form.show();
    bench::openWithEveryView(form);
    if (!form.startTableServer(0).isEmpty() || tableCountOfEvening(form.contest(), false) != kTables) {
        state.SkipWithError("the server did not start on a 36-table evening");
        return;
    }
    const quint16 port = form.tableServer().port();
    const TableCodes codes = form.tableServer().service()->codes();
    // The phones keep their connections open, as browsers do; each table sends on a new one.
    // They connect while the window's event loop accepts them.
    std::vector<int> phones(kReaders, -1);
    std::atomic<int> connected = 0;
    std::thread connecting([&] {
        for (int i = 0; i < kReaders; ++i, ++connected) phones[i] = connectFrom(2 + i, port);
    });
    while (connected < kReaders) QApplication::processEvents(QEventLoop::AllEvents, 5);
    connecting.join();
    std::vector<double> latencies;
    int round = kPlayed;
    for (auto _ : state) {
        if (++round > kRounds) {
            state.SkipWithError("every board is entered");
            break;
        }
        std::vector<std::string> requests;
        for (int t = 1; t <= kTables; ++t) {
            const int board = tableSeat(form.contest(), t, round, false).boards.at(0);
            requests.push_back(submitRequest(
                "{\"table\":" + std::to_string(t) + ",\"code\":\"" + codes.tables[t - 1] +
                "\",\"entry\":\"r" + std::to_string(round) + "t" + std::to_string(t) +
                "\",\"board\":" + std::to_string(board) +
                ",\"contract\":\"4S\",\"declarer\":\"N\",\"tricks\":" + std::to_string(8 + t % 5) + "}"));
        }
        // Without the tables (argument 0) the phones read alone, for comparison.
        if (state.range(0) == 0) requests.assign(kTables, "");
        for (int i = 0; i < kReaders; ++i) requests.push_back(readRequest(i, round, codes));
        const int count = static_cast<int>(requests.size());
        std::vector<double> times(requests.size(), 0.0);
        std::vector<int> statuses(requests.size(), 0);
        std::atomic<int> done = 0;
        std::barrier start(count);
        std::vector<std::thread> clients;
        for (int i = 0; i < count; ++i)
            clients.emplace_back([&, i] {
                start.arrive_and_wait();
                const auto sent = std::chrono::steady_clock::now();
                if (requests[i].empty()) {
                    statuses[i] = 200;
                } else if (i < kTables) {
                    const int fd = connectFrom(2 + kReaders + i, port);
                    statuses[i] = ask(fd, requests[i]);
                    ::close(fd);
                } else {
                    statuses[i] = ask(phones[i - kTables], requests[i]);
                }
                times[i] = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - sent)
                               .count();
                ++done;
            });
        bench::serveClients(clients, done, count);
        if (std::count(statuses.begin(), statuses.end(), 200) != count) {
            state.SkipWithError("a request was not answered with 200");
            break;
        }
        state.SetIterationTime(*std::max_element(times.begin() + kTables, times.end()) / 1000.0);
        latencies.insert(latencies.end(), times.begin() + kTables, times.end());
    }
    for (int fd : phones) ::close(fd);
    if (latencies.empty()) return;
    std::sort(latencies.begin(), latencies.end());
    const auto at = [&](double q) { return latencies[static_cast<std::size_t>(q * (latencies.size() - 1))]; };
    state.counters["p50_ms"] = at(0.50);
    state.counters["p99_ms"] = at(0.99);
    state.counters["max_ms"] = latencies.back();
    state.counters["pages"] = static_cast<double>(latencies.size());
}
BENCHMARK(BM_ResultsPagesWhileTablesSubmit)
    ->Arg(1)
    ->Arg(0)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(kRounds - kPlayed);

}  // namespace
}  // namespace vindelkast
