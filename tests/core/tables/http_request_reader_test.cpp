// The tables' server reads the requests on a connection as their bytes arrive and refuses, from
// the head, what can never be a table's request.
#include <gtest/gtest.h>

#include <string>

#include "tables/http_request_reader.h"
#include "tables/table_connection.h"

namespace vindelkast {
namespace {

const std::string kLogin =
    "POST /api/login HTTP/1.1\r\nHost: 10.0.0.5:8080\r\nContent-Type: application/json\r\n"
    "Content-Length: 15\r\n\r\n{\"code\":\"ACDE\"}";

TEST(HttpRequestReader, FollowsRequestsByteByByteOnOneConnection) {
    HttpRequestReader framing;
    const std::string two = "GET /bord HTTP/1.1\r\nHost: x\r\n\r\n" + kLogin;
    int completed = 0;
    int begun = 0;
    for (std::size_t i = 0; i < two.size(); ++i) {
        const HttpReading step = framing.feed(two.substr(i, 1));
        ASSERT_EQ(step.refusal, 0) << i;
        completed += static_cast<int>(step.requests.size());
        begun += step.begun ? 1 : 0;
        // Between the two requests nothing is in progress.
        if (i + 1 == two.size() - kLogin.size()) {
            EXPECT_FALSE(step.inRequest);
        }
        if (i + 1 == two.size() - 1) {
            EXPECT_TRUE(step.inRequest);
        }
    }
    EXPECT_EQ(completed, 2);
    EXPECT_EQ(begun, 2);
    const HttpReading whole = framing.feed(kLogin + kLogin);
    EXPECT_EQ(whole.requests.size(), 2u);
    EXPECT_FALSE(whole.inRequest);
}

TEST(HttpRequestReader, RefusesAnAnnouncedBodyFromItsHead) {
    HttpRequestReader framing;
    const HttpReading step =
        framing.feed("POST /api/login HTTP/1.1\r\nHost: x\r\nContent-Length: 400000000\r\n\r\n");
    EXPECT_EQ(step.refusal, 413);
    // Once refused, nothing more is read as a request.
    EXPECT_EQ(framing.feed(kLogin).refusal, 413);
    HttpRequestReader justFits;
    EXPECT_EQ(justFits.feed("POST /api/submit HTTP/1.1\r\nContent-Length: 2048\r\n\r\n").refusal, 0);
}

TEST(HttpRequestReader, CountsAChunkedBodyAsItComes) {
    HttpRequestReader small;
    const HttpReading ok = small.feed(
        "POST /api/login HTTP/1.1\r\nTransfer-Encoding: "
        "chunked\r\n\r\nf\r\n{\"code\":\"ACDE\"}\r\n0\r\n\r\n");
    EXPECT_EQ(ok.refusal, 0);
    EXPECT_EQ(ok.requests.size(), 1u);
    HttpRequestReader large;
    EXPECT_EQ(large.feed("POST /api/login HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n").refusal, 0);
    const std::string chunk = "400\r\n" + std::string(1024, 'a') + "\r\n";
    EXPECT_EQ(large.feed(chunk).refusal, 0);
    EXPECT_EQ(large.feed(chunk).refusal, 0);
    EXPECT_EQ(large.feed(chunk).refusal, 413);
}

TEST(HttpRequestReader, RefusesLongHeadsNonsenseAndUpgrades) {
    HttpRequestReader longHead;
    EXPECT_EQ(longHead.feed("GET / HTTP/1.1\r\nCookie: " + std::string(9000, 'c') + "\r\n").refusal, 431);
    // Thousands of tiny lines are a long head too: every byte of the head counts, line ends and
    // separators as well as names and values, fed whole or a line at a time.
    std::string lines;
    for (int i = 0; i < 4000; ++i) lines += "a:b\r\n";
    HttpRequestReader tinyLines;
    EXPECT_EQ(tinyLines.feed("GET / HTTP/1.1\r\n" + lines + "\r\n").refusal, 431);
    HttpRequestReader lineByLine;
    int refusal = lineByLine.feed("GET / HTTP/1.1\r\n").refusal;
    for (int i = 0; i < 4000 && refusal == 0; ++i) refusal = lineByLine.feed("a:b\r\n").refusal;
    EXPECT_EQ(refusal, 431);
    // A head just within the bound, counted whole, passes; one byte more does not.
    const std::string start = "GET / HTTP/1.1\r\nX: ";
    const std::string end = "\r\n\r\n";
    const std::string fits = start + std::string(kMaxRequestHeadBytes - start.size() - end.size(), 'v') + end;
    HttpRequestReader within;
    EXPECT_EQ(within.feed(fits).refusal, 0);
    HttpRequestReader over;
    EXPECT_EQ(over.feed(start + "v" + fits.substr(start.size())).refusal, 431);
    // Each request's head is counted on its own: three heads of 5 kB on one connection pass.
    const std::string fiveKb = "GET / HTTP/1.1\r\nX: " + std::string(5000, 'v') + "\r\n\r\n";
    HttpRequestReader keptAlive;
    const HttpReading three = keptAlive.feed(fiveKb + fiveKb + fiveKb);
    EXPECT_EQ(three.refusal, 0);
    EXPECT_EQ(three.requests.size(), 3u);
    HttpRequestReader nonsense;
    EXPECT_EQ(nonsense.feed("\x16\x03\x01 hello").refusal, 400);
    HttpRequestReader secondVersion;
    EXPECT_EQ(secondVersion.feed("GET / HTTP/2.0\r\n\r\n").refusal, 400);
    HttpRequestReader upgrade;
    EXPECT_EQ(upgrade.feed("GET / HTTP/1.1\r\nConnection: Upgrade\r\nUpgrade: websocket\r\n\r\n").refusal,
              400);
}

TEST(HttpRequestReader, TheRefusalIsAWholeHttpAnswer) {
    for (int status : {400, 413, 431}) {
        const std::string answer = refusalAnswer(status);
        ASSERT_EQ(answer.rfind("HTTP/1.1 " + std::to_string(status) + " ", 0), 0u) << answer;
        const std::size_t bodyAt = answer.find("\r\n\r\n") + 4;
        const std::string body = answer.substr(bodyAt);
        EXPECT_NE(answer.find("Content-Length: " + std::to_string(body.size()) + "\r\n"), std::string::npos);
        EXPECT_NE(answer.find("Connection: close\r\n"), std::string::npos);
        EXPECT_NE(body.find(R"("status":"fel")"), std::string::npos) << body;
        EXPECT_NE(body.find(R"("message":")"), std::string::npos) << body;
    }
    EXPECT_NE(refusalAnswer(413).find("\\u00f6r stor"), std::string::npos);
}

// A phone's connection as the network cuts it: a login, a page read with its cookie, a HEAD
// and a result whose last request closes the connection; whatever follows is not read.
TEST(HttpRequestReader, ReadsPipelinedRequestsInAnyPieces) {
    const std::string stream =
        kLogin +
        "GET /resultat/%C3%A5?x=1 HTTP/1.1\r\nHost: x\r\nCOOKIE: vkbord=1-ACDE\r\n"
        "cookie: b=2\r\n\r\nHEAD http://10.0.0.5/bord.css HTTP/1.1\r\n\r\n"
        "POST /api/submit HTTP/1.1\r\nTransfer-Encoding: chunked\r\nConnection: close\r\n\r\n"
        "2\r\n{}\r\n0\r\n\r\nGET / HTTP/1.1\r\n\r\n";
    for (std::size_t piece : {std::size_t{1}, std::size_t{7}, stream.size()}) {
        HttpRequestReader reader;
        std::vector<HttpRequest> got;
        for (std::size_t at = 0; at < stream.size(); at += piece) {
            HttpReading reading = reader.feed(std::string_view(stream).substr(at, piece));
            ASSERT_EQ(reading.refusal, 0) << piece << " " << at;
            for (HttpRequest& r : reading.requests) got.push_back(std::move(r));
        }
        ASSERT_EQ(got.size(), 4u) << piece;
        EXPECT_EQ(got[0].method, HttpMethod::Post);
        EXPECT_EQ(got[0].path, "/api/login");
        EXPECT_EQ(got[0].body, R"({"code":"ACDE"})");
        EXPECT_EQ(got[1].method, HttpMethod::Get);
        EXPECT_EQ(got[1].path, "/resultat/\xc3\xa5");
        EXPECT_EQ(got[1].cookie, "vkbord=1-ACDE; b=2");
        EXPECT_TRUE(got[1].keepAlive);
        EXPECT_EQ(got[2].method, HttpMethod::Head);
        EXPECT_EQ(got[2].path, "/bord.css");
        EXPECT_EQ(got[3].body, "{}");
        EXPECT_FALSE(got[3].keepAlive);
    }
    HttpRequestReader old;
    EXPECT_FALSE(old.feed("GET / HTTP/1.0\r\n\r\n").requests.at(0).keepAlive);
}

TEST(HttpRequestReader, AnswersHeadWithTheGetsLengthAndNoBody) {
    const HttpHeaders headers = {{"Content-Type", "text/css"}};
    const std::string get = httpAnswer(200, headers, "body{}", false, true);
    EXPECT_EQ(get, "HTTP/1.1 200 OK\r\nContent-Type: text/css\r\nContent-Length: 6\r\n\r\nbody{}");
    EXPECT_EQ(httpAnswer(200, headers, "body{}", true, true), get.substr(0, get.size() - 6));
    EXPECT_EQ(httpAnswer(404, {}, "", false, false),
              "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
}

// A phone's connection through its stages, each with its own time, then a client that writes
// "Content-Length :" with a 400 MB head inside what it covers and streams requests whose
// answers it never reads: it is refused or dropped with a bounded queue, whatever the parser
// makes of the spaced length.
TEST(TableConnection, FollowsAPhoneAndDropsAStreamItCannotHold) {
    TableConnection phone(0);
    phone.settle(0, 0);
    EXPECT_EQ(phone.deadlineMs(), kRequestMs);
    phone.arrive("POST /api/login HTTP/1.1\r\nContent-Length: 15\r\n", 1000);
    phone.settle(0, 1000);
    EXPECT_EQ(phone.stage(), ConnectionStage::InRequest);
    EXPECT_EQ(phone.deadlineMs(), 1000 + kRequestMs);
    phone.arrive("\r\n{\"code\":\"ACDE\"}GET /bord", 2000);
    ConnectionStep step = phone.next(0);
    ASSERT_EQ(step.kind, ConnectionStep::Kind::Answer);
    EXPECT_EQ(step.request.body, R"({"code":"ACDE"})");
    EXPECT_EQ(phone.next(0).kind, ConnectionStep::Kind::Wait);  // one answer at a time
    phone.settle(0, 2000);
    EXPECT_EQ(phone.stage(), ConnectionStage::InRequest);  // the next one has begun
    phone.answered();
    phone.arrive(" HTTP/1.1\r\n\r\n", 2500);
    ASSERT_EQ(phone.next(0).kind, ConnectionStep::Kind::Answer);
    phone.settle(300, 2600);
    EXPECT_EQ(phone.stage(), ConnectionStage::Answering);
    EXPECT_EQ(phone.deadlineMs(), 2600 + kAnswerMs);
    phone.answered();
    phone.settle(0, 2700);  // the client took the answer
    EXPECT_EQ(phone.stage(), ConnectionStage::Idle);
    EXPECT_EQ(phone.deadlineMs(), 2700 + kIdleMs);

    TableConnection hostile(0);
    hostile.arrive(
        "POST /api/login HTTP/1.1\r\nHost: bord\r\nContent-Length : 228\r\n\r\n"
        "POST /api/login HTTP/1.1\r\nHost: b\r\nContent-Length: 400000000\r\n\r\n" +
            std::string(100, 'x'),
        0);
    std::string stream;
    for (int i = 0; i < 2000; ++i) stream += "GET /bord.css HTTP/1.1\r\n\r\n";
    std::size_t unsent = 0;
    ConnectionStep last;
    for (int round = 0;
         round < 100 && last.kind != ConnectionStep::Kind::Drop && last.kind != ConnectionStep::Kind::Refuse;
         ++round) {
        hostile.arrive(stream, round);
        for (last = hostile.next(unsent); last.kind == ConnectionStep::Kind::Answer;
             last = hostile.next(unsent)) {
            unsent += 2000;  // the style sheet's answer, never read
            hostile.answered();
        }
        EXPECT_LE(hostile.queued(), kMaxQueuedRequests);
    }
    EXPECT_TRUE(last.kind == ConnectionStep::Kind::Drop || last.kind == ConnectionStep::Kind::Refuse);
    EXPECT_LE(unsent, kMaxUnsentBytes + 2000);
}

}  // namespace
}  // namespace vindelkast
