#include <gtest/gtest.h>

#include "platform/PathText.h"

namespace quorvex::platform {
namespace {

TEST(PathText, LiesWithinAnyTakesTheFolderItselfAndWhatIsBelowItButNoLongerName)
{
    const std::string s(1, kSeparator);
    const std::set<std::string, std::less<>> folders{s + "t" + s + "a", s + "t" + s + "c" + s + "d"};
    EXPECT_TRUE(LiesWithinAny(s + "t" + s + "a", folders));
    EXPECT_TRUE(LiesWithinAny(s + "t" + s + "a" + s + "x" + s + "y", folders));
    EXPECT_TRUE(LiesWithinAny(s + "t" + s + "c" + s + "d" + s + "z", folders));
    EXPECT_FALSE(LiesWithinAny(s + "t" + s + "ab", folders));
    EXPECT_FALSE(LiesWithinAny(s + "t" + s + "c", folders));
    EXPECT_FALSE(LiesWithinAny(s + "t", folders));
    EXPECT_FALSE(LiesWithinAny("", folders));
}

} // namespace
} // namespace quorvex::platform
