// The picture measure and pairing without decoding: fingerprints follow a picture's
// turns and mirrors exactly, the distance maps onto the percentage scale, and the
// indexed pairing gives the groups that judging every pair in list order gives.

#include <gtest/gtest.h>

#include <bit>
#include <random>

#include "DupTestSupport.h"
#include "duplicates/PicturePairing.h"

using namespace quorvex;

namespace {

// A smooth, lopsided grey picture: no symmetry that could hide a wrong orientation.
GreyPicture Landscape(int width, int height, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> any(0.0, 1.0);
    const double a = any(random), b = any(random), c = any(random), d = any(random);
    GreyPicture picture{width, height, static_cast<std::size_t>(width), {}};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const double u = double(x) / width, v = double(y) / height;
            const double value = 128 + 60 * std::sin(6 * u * (1 + a) + 3 * v * b) +
                                 50 * std::cos(5 * v * (1 + c) - 2 * u * d) + 40 * u * v;
            picture.pixels.push_back(static_cast<std::uint8_t>(std::clamp(value, 0.0, 255.0)));
        }
    return picture;
}

// The picture in orientation `o` as Oriented() names them: mirrored left to right
// (bit 0), top to bottom (bit 1), then rows and columns swapped (bit 2).
GreyPicture Turned(const GreyPicture& from, int o)
{
    GreyPicture to = from;
    const auto at = [&](int x, int y) { return from.pixels[y * from.stride + x]; };
    const int w = from.width, h = from.height;
    const bool swap = (o & 4) != 0;
    to.width = swap ? h : w;
    to.height = swap ? w : h;
    to.stride = static_cast<std::size_t>(to.width);
    for (int y = 0; y < to.height; ++y)
        for (int x = 0; x < to.width; ++x) {
            int sx = swap ? y : x, sy = swap ? x : y; // the mirrored picture's pixel
            if (o & 1)
                sx = w - 1 - sx;
            if (o & 2)
                sy = h - 1 - sy;
            to.pixels[y * to.stride + x] = at(sx, sy);
        }
    return to;
}

TEST(PictureFingerprintTest, TurnedAndMirroredPicturesHaveTheOrientedFingerprint)
{
    for (unsigned seed = 1; seed <= 5; ++seed) {
        const GreyPicture picture = Landscape(96, 64, seed);
        const PictureHash print = FingerprintOf(picture);
        EXPECT_EQ(print & 1, 0u);
        for (int o = 0; o < kOrientations; ++o) {
            const PictureHash turned = FingerprintOf(Turned(picture, o));
            EXPECT_EQ(turned, Oriented(print, o)) << "seed " << seed << " orientation " << o;
            EXPECT_EQ(PictureDistance(print, turned, true), 0);
            EXPECT_EQ(PictureDistance(turned, print, true), 0);
        }
        EXPECT_GT(PictureDistance(print, Oriented(print, 5), false), 10);
    }
}

TEST(PictureFingerprintTest, DistanceMapsOntoThePercentageScale)
{
    EXPECT_EQ(PicturePercent(0), 100);
    EXPECT_EQ(PicturePercent(1), 96);
    EXPECT_EQ(PicturePercent(31), 1); // 32 of 63 bits agree: hardly better than chance
    EXPECT_EQ(PicturePercent(32), 0);
    EXPECT_EQ(PicturePercent(63), 0);
    for (int threshold = 10; threshold <= 100; ++threshold) {
        const int distance = MaxPictureDistance(threshold);
        EXPECT_GE(PicturePercent(distance), threshold);
        EXPECT_LT(PicturePercent(distance + 1), threshold);
    }
    EXPECT_EQ(MaxPictureDistance(100), 0);
}

// The pairwise rule judged pair after pair: the earliest unclaimed picture claims
// each later unclaimed one within the threshold.
void PairLiterally(DupList& list, const std::vector<std::optional<PictureHash>>& prints,
                   int threshold, bool turns)
{
    for (std::size_t a = 0; a < list.size(); ++a) {
        if (!prints[a] || list[a].group != 0)
            continue;
        const auto group = static_cast<std::uint32_t>(a + 1);
        for (std::size_t b = a + 1; b < list.size(); ++b) {
            if (!prints[b] || list[b].group != 0)
                continue;
            const int percent = PicturePercent(PictureDistance(*prints[a], *prints[b], turns));
            if (percent >= threshold) {
                list[b].group = group;
                list[b].content = static_cast<std::int8_t>(percent);
                list[a].group = group;
                list[a].content = kContentReference;
            }
        }
    }
}

TEST(PicturePairingTest, IndexedPairingGivesThePairwiseGroups)
{
    std::mt19937_64 random(42);
    for (int round = 0; round < 20; ++round) {
        // Clusters of near copies (some turned), with pictures that are none.
        std::vector<std::optional<PictureHash>> prints;
        std::vector<PictureHash> centres;
        DupList list;
        list.enterFolder("/p/");
        for (int i = 0; i < 300; ++i) {
            platform::DirEntry entry;
            entry.name = "f" + std::to_string(i);
            entry.size = 1;
            list.add(entry);
            if (random() % 10 == 0) {
                prints.push_back(std::nullopt);
                continue;
            }
            if (centres.empty() || random() % 3 == 0)
                centres.push_back(random() & ~PictureHash{1});
            PictureHash print = Oriented(centres[random() % centres.size()], random() % 8);
            for (int flips = random() % 12; flips > 0; --flips)
                print ^= PictureHash{2} << (random() % 63);
            prints.push_back(print);
        }
        for (const int threshold : {10, 60, 75, 90, 100})
            for (const bool turns : {false, true}) {
                DupList byTree = list;
                DupList literal = list;
                PairPictures(byTree, prints, {threshold, turns, 1}, silentObserver());
                PairLiterally(literal, prints, threshold, turns);
                ASSERT_EQ(test::Rows(byTree), test::Rows(literal))
                    << "round " << round << " threshold " << threshold << " turns " << turns;
            }
    }
}

TEST(PicturePairingTest, CancelKeepsTheGroupsOfTheReferencesDone)
{
    DupList list;
    list.enterFolder("/p/");
    std::vector<std::optional<PictureHash>> prints;
    for (int i = 0; i < 2000; ++i) {
        platform::DirEntry entry;
        entry.name = "f" + std::to_string(i);
        entry.size = 1;
        list.add(entry);
        prints.push_back(PictureHash(i / 2) << 20); // pairs of equal pictures
    }
    test::RecordingObserver observer;
    observer.cancelAfterPumps = 1;
    PairPictures(list, prints, {100, true, 1}, observer);
    std::size_t grouped = 0;
    for (std::size_t row = 0; row < list.size(); row += 2) {
        const bool done = list[row].group != 0;
        EXPECT_EQ(list[row + 1].group, done ? row + 1 : 0) << row;
        grouped += done ? 1 : 0;
    }
    EXPECT_GT(grouped, 0u);
    EXPECT_LT(grouped, 1000u);
}

} // namespace
