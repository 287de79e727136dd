// The member reference as a table author reads it: the committed docs/members.md is what the
// member table, the descriptions and this build's bindings give.
#include "member_reference.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "docs_files.h"
#include "server/member_table.h"

namespace tov::docs {
namespace {

size_t Count(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

TEST(MemberReference, CommittedFileIsWhatTheTableGives) {
    const auto path = testing::SourceDir() / "docs" / "members.md";
    const std::string expected = MemberReference(BoundInThisBuild());
    if (testing::UpdatingDocs()) std::ofstream(path, std::ios::binary) << expected;
    EXPECT_TRUE(testing::ReadWholeFile(path) == expected)
        << path << " differs from the member table; run ./run docs (or this test with "
        << "TOV_UPDATE_DOCS=1) and commit the result";
}

TEST(MemberReference, EveryMemberHasOneSectionAndTheMarkFollowsTheBindings) {
    BoundMembers none{};
    BoundMembers all{};
    all.fill(true);
    BoundMembers first_only{};
    first_only[0] = true;
    const std::string unbound = MemberReference(none);
    const std::string bound = MemberReference(all);
    for (const server::MemberDecl& m : server::kMemberTable) {
        EXPECT_EQ(Count(bound, "\n### `" + std::string(m.name) + "`\n"), 1u) << m.name;
    }
    // Each unbound member is marked twice: in the index and under its heading.
    EXPECT_EQ(Count(unbound, "not available yet"), 2u * server::kMemberCount);
    EXPECT_EQ(Count(bound, "not available yet"), 0u);
    EXPECT_NE(bound.find("In this build 148 of the 148 members are available."), std::string::npos);
    const std::string one = MemberReference(first_only);
    EXPECT_NE(one.find("DISPID 31 · slot 1 · method\n"), std::string::npos);
    EXPECT_NE(one.find("DISPID 32 · slot 2 · method · **not available yet**\n"), std::string::npos);
}

TEST(MemberReference, CallsShowStatusOutValuesAndProperties) {
    BoundMembers all{};
    all.fill(true);
    const std::string text = MemberReference(all);
    EXPECT_NE(text.find("    local status, _Highscore, _Highname, _Highstring1, _Highstring2 = "
                        "obj:ReadHighscoreFromCVI(_Index)\n"),
              std::string::npos);
    EXPECT_NE(text.find("    local value = obj.ScreenWidth\n\nValue: PTR(I2) out, retval.\n"),
              std::string::npos);
    EXPECT_NE(text.find("| `_PanelXPos` | I2 |\n"), std::string::npos);
    EXPECT_NE(text.find("| `_Highscore` | PTR(VARIANT) out |\n"), std::string::npos);
    EXPECT_NE(text.find("| [`InstallPanel`](#installpanel) | 13 | 4 | method | "
                        "[Main panel](#main-panel) |\n"),
              std::string::npos);
}

}  // namespace
}  // namespace tov::docs
