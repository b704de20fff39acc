// The name a replaced file keeps beside its copy: the time goes before the extension
// of the file's own name, never into a dotted folder above it, on either system's
// separators.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "actions/VersionedName.h"
#include "platform/PathText.h"

namespace quorvex {
namespace {

std::string Versioned(const std::string& path, const std::set<std::string>& taken = {})
{
    return VersionedPath(path, 1704067200,
                         [&](const std::string& name) { return taken.contains(name); });
}

// "<front> (yyyy-mm-dd hhmmss)<back>", whatever the time zone makes of the time.
bool Stamped(const std::string& name, const std::string& front, const std::string& back)
{
    constexpr std::size_t kStamp = sizeof " (2024-01-01 000000)" - 1;
    return name.size() == front.size() + kStamp + back.size() && name.starts_with(front + " (") &&
           name.ends_with(")" + back);
}

TEST(VersionedName, TheTimeGoesBeforeTheExtensionOfTheFilesOwnName)
{
    const std::string folder = std::string("backup.d") + platform::kSeparator;
    EXPECT_TRUE(Stamped(Versioned(folder + "report.tar.gz"), folder + "report.tar", ".gz"));
    EXPECT_TRUE(Stamped(Versioned(folder + "README"), folder + "README", ""));
    EXPECT_TRUE(Stamped(Versioned(folder + ".profile"), folder + ".profile", ""));
    // A name in use is passed over with a number.
    const std::string first = Versioned(folder + "a.txt");
    const std::string second = Versioned(folder + "a.txt", {first});
    EXPECT_EQ(second, first.substr(0, first.size() - 5) + " 2).txt");
}

} // namespace
} // namespace quorvex
