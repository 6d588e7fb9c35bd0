// The table page holds nothing inline and nothing from outside: its script and style are
// the server's own resources (/bord.js, /bord.css), the contest's name is escaped, and the
// script only talks to the page's own server and writes the server's texts as text.
#include <gtest/gtest.h>

#include <string>

#include "support/sample_contests.h"
#include "support/test_text.h"
#include "tables/table_page.h"

namespace vindelkast {
namespace {

TEST(TablePage, NothingInlineNothingFromOutside) {
    test::ContestFixture f;
    f.c().contestName = test::w("<b>Kväll</b> & \"co\"");
    const std::string page = tablePage(f.c());
    EXPECT_NE(page.find("&lt;b&gt;Kv&auml;ll&lt;/b&gt; &amp; \"co\""), std::string::npos);
    EXPECT_EQ(page.find("<b>"), std::string::npos);
    EXPECT_NE(page.find("<script src=\"/bord.js\"></script></body></html>"), std::string::npos);
    EXPECT_NE(page.find("<link rel=\"stylesheet\" href=\"/bord.css\">"), std::string::npos);
    for (const char* inline_ : {"<style", "style=", " onclick=", "javascript:", "<script>"})
        EXPECT_EQ(page.find(inline_), std::string::npos) << inline_;
    const std::string script = tablePageScript();
    const std::string style = tablePageStyle();
    for (const std::string* text : {&page, &script, &style})
        for (const char* outside : {"http:", "https:", "@import", "url(", "src=\"/\\/"})
            EXPECT_EQ(text->find(outside), std::string::npos) << outside;
    EXPECT_NE(script.find("fetch(\"/api/\" + path"), std::string::npos);
    for (const char* markup : {"innerHTML", "outerHTML", "insertAdjacentHTML", "document.write", "eval("})
        EXPECT_EQ(script.find(markup), std::string::npos) << markup;
    // Every element the script looks up is on the page.
    for (std::size_t at = script.find("$(\""); at != std::string::npos; at = script.find("$(\"", at + 1)) {
        const std::size_t end = script.find('"', at + 3);
        const std::string id = script.substr(at + 3, end - at - 3);
        if (id.ends_with("-")) continue;  // typed-ns ... made by the script itself
        EXPECT_NE(page.find("id=\"" + id + "\""), std::string::npos) << id;
    }
}

}  // namespace
}  // namespace vindelkast
