#include <gtest/gtest.h>

#include <string>

#include "model/result_order.h"
#include "output/base64.h"
#include "output/export_names.h"
#include "output/html_text.h"
#include "output_samples.h"
#include "support/test_text.h"

namespace vindelkast {
namespace {

using test::w;

TEST(PageText, EscapingKeepsMarkupOutAndOtherLettersAsTheyAre) {
    EXPECT_EQ(escapeHtml(w("Åsa & Örjan Öst, Ärla på ö")),
              "&Aring;sa &amp; &Ouml;rjan &Ouml;st, &Auml;rla p&aring; &ouml;");
    EXPECT_EQ(escapeHtml(w("Bergé <script>alert(\"x\")</script>")),
              w("Bergé &lt;script&gt;alert(\"x\")&lt;/script&gt;"));
    // An entity already in the text is escaped once more, not taken as markup.
    EXPECT_EQ(escapeHtml("&amp;"), "&amp;amp;");
    EXPECT_EQ(escapeHtmlAttribute(w("S&B \"Vinden\" ä")), "S&amp;B &quot;Vinden&quot; &auml;");
    EXPECT_EQ(escapeHtml(std::string("\x80 a\x01\tb\x1f \x96", 10)), "&#8364; a\tb &#8211;");
    EXPECT_EQ(escapeHtmlAttribute("\x93x\x94\n"), "&#8220;x&#8221;");

    EXPECT_EQ(escapeXml(w("H&M Cup <1> Örebro")), w("H&amp;M Cup &lt;1&gt; Örebro"));
    EXPECT_EQ(escapeXml("\x80 \x93x\x94"), "&#8364; &#8220;x&#8221;");
    EXPECT_EQ(escapeXml(std::string("a\x01\tb\x1f", 5)), "a\tb");
}

TEST(PageText, Base64LinesHold57BytesEach) {
    EXPECT_EQ(base64Lines("Man"), "TWFu");
    EXPECT_EQ(base64Lines("Ma"), "TWE=");
    EXPECT_EQ(base64Lines("M"), "TQ==");
    EXPECT_EQ(base64Lines(""), "");

    const std::string full(57, 'x');
    const std::string oneLine = base64Lines(full);
    ASSERT_EQ(oneLine.size(), 78u);
    EXPECT_EQ(oneLine.substr(76), "\r\n");
    EXPECT_EQ(oneLine.find('\r'), 76u);

    std::string bytes;
    for (int i = 0; i < 1000; ++i) bytes += static_cast<char>((i * 37 + 11) % 256);
    const std::string encoded = base64Lines(bytes);
    std::size_t start = 0;
    int fullLines = 0;
    for (std::size_t end; (end = encoded.find("\r\n", start)) != std::string::npos; start = end + 2) {
        EXPECT_EQ(end - start, 76u);
        ++fullLines;
    }
    EXPECT_EQ(fullLines, 1000 / 57);
    EXPECT_EQ(encoded.size() - start, 4u * ((1000 % 57 + 2) / 3));
    EXPECT_EQ(test::decodeBase64(encoded), bytes);
}

TEST(ExportNames, HtmlAndXmlFileNames) {
    const std::pair<const char*, const char*> html[] = {
        {"abc", "abc.html"},         {"abcd", "abcd.html"},
        {"HTML", "HTML.html"},       {"x.htm", "x.htm"},
        {"rond.HTML", "rond.HTML"},  {"sida.Htm", "sida.Htm"},
        {"res.txt", "res.txt.html"}, {"/tmp/a", "/tmp/a.html"},
        {"minhtml", "minhtml"},      {"kv\xe4ll.html", "kv\xe4ll.html"},
    };
    for (const auto& [chosen, written] : html) EXPECT_EQ(htmlFileName(chosen), written) << chosen;
    const std::pair<const char*, const char*> xml[] = {
        {"ab", "ab.xml"},     {".xml", ".xml.xml"},       {"a.xml", "a.xml"},
        {"ut.XmL", "ut.XmL"}, {"res.txt", "res.txt.xml"},
    };
    for (const auto& [chosen, written] : xml) EXPECT_EQ(xmlFileName(chosen), written) << chosen;
}

TEST(ExportNames, AnswersToTheOrderAndRoundQuestions) {
    EXPECT_EQ(resultOrderFromAnswer("P"), PairOrder);
    EXPECT_EQ(resultOrderFromAnswer("par"), PairOrder);
    EXPECT_EQ(resultOrderFromAnswer("s"), TableOrder);
    EXPECT_EQ(resultOrderFromAnswer("Spelordn"), TableOrder);
    EXPECT_EQ(resultOrderFromAnswer("R"), ScoreOrder);
    EXPECT_EQ(resultOrderFromAnswer(""), ScoreOrder);
    EXPECT_EQ(resultOrderFromAnswer(" P"), ScoreOrder);

    EXPECT_EQ(roundFromAnswer("3", 2), 3);
    EXPECT_EQ(roundFromAnswer(" 4 ", 2), 4);
    EXPECT_EQ(roundFromAnswer("tre", 2), 2);
    EXPECT_EQ(roundFromAnswer("", 2), 2);
}

}  // namespace
}  // namespace vindelkast
