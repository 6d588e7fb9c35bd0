// The table page is self-contained: nothing fetched from outside, the contest's name
// escaped, the script present and only talking to the page's own server.
#include <gtest/gtest.h>

#include <string>

#include "tables/table_page.h"
#include "support/sample_contests.h"
#include "support/test_text.h"

namespace vindelkast {
namespace {

TEST(TablePage, SelfContainedAndEscaped) {
    test::ContestFixture f;
    f.c().contestName = test::w("<b>Kväll</b> & \"co\"");
    const std::string page = tablePage(f.c());
    EXPECT_NE(page.find("&lt;b&gt;Kv&auml;ll&lt;/b&gt; &amp; \"co\""), std::string::npos);
    EXPECT_EQ(page.find("<b>"), std::string::npos);
    for (const char* outside : {"http:", "https:", "src=", "href=", "@import", "url("})
        EXPECT_EQ(page.find(outside), std::string::npos) << outside;
    EXPECT_NE(page.find("fetch(\"/api/\" + path"), std::string::npos);
    EXPECT_NE(page.find("</script></body></html>"), std::string::npos);
}

}  // namespace
}  // namespace vindelkast
