// The table server's door follows requests as their bytes arrive and refuses, from the head,
// what can never be a table's request.
#include <gtest/gtest.h>

#include <string>

#include "tables/request_framing.h"

namespace vindelkast {
namespace {

const std::string kLogin =
    "POST /api/login HTTP/1.1\r\nHost: 10.0.0.5:8080\r\nContent-Type: application/json\r\n"
    "Content-Length: 15\r\n\r\n{\"code\":\"ACDE\"}";

TEST(RequestFraming, FollowsRequestsByteByByteOnOneConnection) {
    RequestFraming framing;
    const std::string two = "GET /bord HTTP/1.1\r\nHost: x\r\n\r\n" + kLogin;
    int completed = 0;
    int begun = 0;
    for (std::size_t i = 0; i < two.size(); ++i) {
        const FramingStep step = framing.feed(two.substr(i, 1));
        ASSERT_EQ(step.refusal, 0) << i;
        completed += step.completed;
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
    const FramingStep whole = framing.feed(kLogin + kLogin);
    EXPECT_EQ(whole.completed, 2);
    EXPECT_FALSE(whole.inRequest);
}

TEST(RequestFraming, RefusesAnAnnouncedBodyFromItsHead) {
    RequestFraming framing;
    const FramingStep step =
        framing.feed("POST /api/login HTTP/1.1\r\nHost: x\r\nContent-Length: 400000000\r\n\r\n");
    EXPECT_EQ(step.refusal, 413);
    // Once refused, nothing more is read as a request.
    EXPECT_EQ(framing.feed(kLogin).refusal, 413);
    RequestFraming justFits;
    EXPECT_EQ(justFits.feed("POST /api/submit HTTP/1.1\r\nContent-Length: 2048\r\n\r\n").refusal, 0);
}

TEST(RequestFraming, CountsAChunkedBodyAsItComes) {
    RequestFraming small;
    const FramingStep ok = small.feed(
        "POST /api/login HTTP/1.1\r\nTransfer-Encoding: "
        "chunked\r\n\r\nf\r\n{\"code\":\"ACDE\"}\r\n0\r\n\r\n");
    EXPECT_EQ(ok.refusal, 0);
    EXPECT_EQ(ok.completed, 1);
    RequestFraming large;
    EXPECT_EQ(large.feed("POST /api/login HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n").refusal, 0);
    const std::string chunk = "400\r\n" + std::string(1024, 'a') + "\r\n";
    EXPECT_EQ(large.feed(chunk).refusal, 0);
    EXPECT_EQ(large.feed(chunk).refusal, 0);
    EXPECT_EQ(large.feed(chunk).refusal, 413);
}

TEST(RequestFraming, RefusesLongHeadsNonsenseAndUpgrades) {
    RequestFraming longHead;
    EXPECT_EQ(longHead.feed("GET / HTTP/1.1\r\nCookie: " + std::string(9000, 'c') + "\r\n").refusal, 431);
    // Thousands of tiny lines are a long head too: every byte of the head counts, line ends and
    // separators as well as names and values, fed whole or a line at a time.
    std::string lines;
    for (int i = 0; i < 4000; ++i) lines += "a:b\r\n";
    RequestFraming tinyLines;
    EXPECT_EQ(tinyLines.feed("GET / HTTP/1.1\r\n" + lines + "\r\n").refusal, 431);
    RequestFraming lineByLine;
    int refusal = lineByLine.feed("GET / HTTP/1.1\r\n").refusal;
    for (int i = 0; i < 4000 && refusal == 0; ++i) refusal = lineByLine.feed("a:b\r\n").refusal;
    EXPECT_EQ(refusal, 431);
    // A head just within the bound, counted whole, passes; one byte more does not.
    const std::string start = "GET / HTTP/1.1\r\nX: ";
    const std::string end = "\r\n\r\n";
    const std::string fits = start + std::string(kMaxRequestHeadBytes - start.size() - end.size(), 'v') + end;
    RequestFraming within;
    EXPECT_EQ(within.feed(fits).refusal, 0);
    RequestFraming over;
    EXPECT_EQ(over.feed(start + "v" + fits.substr(start.size())).refusal, 431);
    // Each request's head is counted on its own: three heads of 5 kB on one connection pass.
    const std::string fiveKb = "GET / HTTP/1.1\r\nX: " + std::string(5000, 'v') + "\r\n\r\n";
    RequestFraming keptAlive;
    const FramingStep three = keptAlive.feed(fiveKb + fiveKb + fiveKb);
    EXPECT_EQ(three.refusal, 0);
    EXPECT_EQ(three.completed, 3);
    RequestFraming nonsense;
    EXPECT_EQ(nonsense.feed("\x16\x03\x01 hello").refusal, 400);
    RequestFraming upgrade;
    EXPECT_EQ(upgrade.feed("GET / HTTP/1.1\r\nConnection: Upgrade\r\nUpgrade: websocket\r\n\r\n").refusal,
              400);
}

TEST(RequestFraming, TheRefusalIsAWholeHttpAnswer) {
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

}  // namespace
}  // namespace vindelkast
