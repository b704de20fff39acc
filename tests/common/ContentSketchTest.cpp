// Sketches rule pairs of files out before their contents are compared, so they
// must never rule out a pair that the comparison lets reach the threshold, and a
// sketch read alone must be the one an image carries.

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "common/ContentCompare.h"
#include "common/ContentImage.h"
#include "support/RecordingObserver.h"
#include "support/TempTree.h"

using namespace quorvex;

namespace {

constexpr std::uint64_t kLimit = 3 * kContentBlockSize;

struct LoadedSketch
{
    std::vector<std::uint64_t> room = std::vector<std::uint64_t>(ContentSketchCost(kLimit) / 8);
    ContentSketch sketch;
};

class ContentSketchTest : public ::testing::Test
{
protected:
    const LoadedSketch& sketchOf(const std::string& name)
    {
        auto& loaded = sketches[name];
        if (!loaded) {
            loaded = std::make_unique<LoadedSketch>();
            EXPECT_EQ(LoadContentSketch(t.path(name), kLimit, buffers, loaded->room.data(),
                                        loaded->sketch),
                      ImageLoad::Loaded);
        }
        return *loaded;
    }

    std::string randomBytes(std::size_t size)
    {
        std::string bytes(size, '\0');
        for (char& c : bytes)
            c = static_cast<char>(random() & 0xff);
        return bytes;
    }

    std::mt19937 random{29};
    test::TempTree t;
    ContentBuffers buffers;
    test::RecordingObserver observer;
    std::map<std::string, std::unique_ptr<LoadedSketch>> sketches;
};

} // namespace

TEST_F(ContentSketchTest, ASketchReadAloneIsTheSketchOfTheImage)
{
    const std::size_t sizes[] = {
        1, 3, 130, kContentBlockSize - 1, kContentBlockSize + 5, 2 * kContentBlockSize + 130};
    for (const std::size_t size : sizes) {
        SCOPED_TRACE(size);
        const std::string name = "f" + std::to_string(size);
        t.file(name, randomBytes(size));
        std::vector<std::byte> room(ContentImageCost(kLimit));
        ContentImage image;
        ASSERT_EQ(LoadContentImage(t.path(name), kLimit, room.data(), image), ImageLoad::Loaded);
        const ContentSketch& alone = sketchOf(name).sketch;
        EXPECT_EQ(alone.length, image.length);
        EXPECT_EQ(alone.readable, image.readable);
        const std::size_t elements = (image.wordCount() + 31) / 32;
        EXPECT_EQ(std::vector(alone.fields, alone.fields + elements),
                  std::vector(image.fields, image.fields + elements));
    }
}

// Copies of one file with words changed in runs and scattered, in the first block
// and across blocks, some longer or shorter: at each threshold, the sketches let
// through every pair the comparison scores at or above it, and rule out some that
// it scores below (at 10 %, two bits agree by chance too often to rule any out).
TEST_F(ContentSketchTest, SketchesRuleOutOnlyPairsBelowTheThreshold)
{
    const std::string base = randomBytes(kContentBlockSize + 40000);
    std::vector<std::string> names;
    for (int copy = 0; copy < 24; ++copy) {
        std::string bytes = base;
        const std::size_t words = bytes.size() / 4;
        const std::size_t changed = words * static_cast<std::size_t>(copy) / 24;
        const std::size_t start = random() % words;
        for (std::size_t w = 0; w < changed; ++w) {
            const std::size_t word = copy % 2 == 0 ? (start + w) % words : random() % words;
            bytes[4 * word] = static_cast<char>(bytes[4 * word] ^ 0x5a);
        }
        bytes.resize(bytes.size() - (copy % 3 == 0 ? random() % 9000 : 0));
        bytes += randomBytes(copy % 3 == 1 ? random() % 9000 : 0);
        names.push_back("c" + std::to_string(copy));
        t.file(names.back(), bytes);
    }
    for (const int threshold : {10, 50, 90, 99}) {
        SCOPED_TRACE(threshold);
        int ruledOut = 0;
        for (const std::string& a : names)
            for (const std::string& b : names) {
                int percent = -1;
                CompareContents(t.path(a), t.path(b), 0, percent, buffers, observer);
                const bool mayReach =
                    SketchesMayReach(sketchOf(a).sketch, sketchOf(b).sketch, threshold);
                if (percent >= threshold) {
                    EXPECT_TRUE(mayReach) << a << " against " << b << ": " << percent << " %";
                }
                ruledOut += mayReach ? 0 : 1;
            }
        if (threshold >= 50) {
            EXPECT_GT(ruledOut, 0);
        }
    }
}
