// The duplicate search by what pictures show, on pictures drawn here and saved by
// Qt's image writers: every kind of copy groups with its source, distinct pictures
// stay apart, files that are no picture or are damaged are named, and the scan cache
// spares the second run all decoding. No application object: the command-line tool
// decodes without one too.

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "cache/ScanCache.h"
#include "duplicates/DupSearch.h"
#include "duplicates/ui/PictureFileReader.h"
#include "support/DrawnPictures.h"
#include "support/RecordingObserver.h"
#include "support/TempTree.h"

using namespace quorvex;

namespace {

// Counts the pictures decoded.
class CountingReader : public PictureReader
{
public:
    bool readsName(std::string_view name) const override { return reader.readsName(name); }
    bool decodeGrey(const unsigned char* bytes, std::size_t size, GreyPicture& picture,
                    std::string& reason) const override
    {
        ++decoded;
        return reader.decodeGrey(bytes, size, picture, reason);
    }
    PictureFileReader reader;
    mutable std::atomic<int> decoded{0};
};

struct Found
{
    DupList list;
    std::map<std::string, std::uint32_t> groupOf; // by name
};

Found Search(const test::TempTree& t, const PictureReader& reader,
             test::RecordingObserver& observer, cache::ScanCache* cache = nullptr,
             int threshold = kDefaultPictureThreshold)
{
    const FilterSettings filters;
    DupSearchParams params{filters, threshold, observer};
    params.pictures = &reader;
    params.cache = cache;
    Found found;
    const DupSearchRun run = StartDupSearch("", t.root(), params, found.list);
    EXPECT_TRUE(run.ran);
    EXPECT_TRUE(run.scope.pictures);
    for (const TDupRecord& record : found.list.records())
        found.groupOf[found.list.name(record)] = record.group;
    return found;
}

constexpr int kSources = 6;

void DrawSourcesAndVariants(const test::TempTree& t)
{
    for (int source = 0; source < kSources; ++source) {
        const QImage scene = test::DrawnScene(100 + source);
        const std::string stem = "p" + std::to_string(source);
        ASSERT_TRUE(scene.save(QString::fromStdString(t.path(stem + ".jpg")), "JPEG", 90));
        for (const test::PictureVariant& variant : test::PictureVariants())
            ASSERT_TRUE(test::SaveVariant(scene, variant,
                                          QString::fromStdString(t.path("copies/" + stem))));
    }
}

std::string VariantName(const std::string& stem, const test::PictureVariant& variant)
{
    return stem + "-" + variant.kind + variant.suffix;
}

std::uint32_t GroupOf(const std::map<std::string, std::uint32_t>& groups, const std::string& name)
{
    const auto found = groups.find(name);
    return found != groups.end() ? found->second : 0;
}

} // namespace

TEST(PictureSearchTest, EveryKindOfCopyGroupsWithItsSourceAndDistinctPicturesStayApart)
{
    test::TempTree t;
    t.dir("copies");
    DrawSourcesAndVariants(t);
    CountingReader reader;
    test::RecordingObserver observer;
    const Found found = Search(t, reader, observer);
    EXPECT_TRUE(observer.unread.empty()) << (observer.unread.empty() ? "" : observer.unread[0]);
    std::set<std::uint32_t> groups;
    for (int source = 0; source < kSources; ++source) {
        const std::string stem = "p" + std::to_string(source);
        const std::uint32_t group = GroupOf(found.groupOf, stem + ".jpg");
        EXPECT_NE(group, 0u) << stem;
        groups.insert(group);
        for (const test::PictureVariant& variant : test::PictureVariants())
            EXPECT_EQ(GroupOf(found.groupOf, VariantName(stem, variant)), group)
                << VariantName(stem, variant);
    }
    EXPECT_EQ(groups.size(), std::size_t{kSources});
    EXPECT_EQ(found.list.size(), std::size_t{kSources} * (test::PictureVariants().size() + 1));
    // The reference is the source, which the walk meets first.
    for (const TDupRecord& record : found.list.records())
        EXPECT_EQ(record.content == kContentReference,
                  std::string(found.list.name(record)).find('-') == std::string::npos)
            << found.list.name(record);

    // Turned and mirrored copies stay apart when turns are not asked for.
    const FilterSettings filters;
    DupSearchParams upright{filters, kDefaultPictureThreshold, observer};
    upright.pictures = &reader;
    upright.pictureTurns = false;
    DupList list;
    StartDupSearch("", t.root(), upright, list);
    for (const TDupRecord& record : list.records())
        EXPECT_EQ(std::string(list.name(record)).find("-turned"), std::string::npos);
}

TEST(PictureSearchTest, FilesThatAreNoPictureOrDamagedAreNamedAndOthersLeftAlone)
{
    test::TempTree t;
    const QImage scene = test::DrawnScene(7);
    ASSERT_TRUE(scene.save(QString::fromStdString(t.path("a.png"))));
    ASSERT_TRUE(scene.save(QString::fromStdString(t.path("b.jpg")), "JPEG", 80));
    std::ifstream png(t.path("a.png"), std::ios::binary);
    std::string head(200, '\0');
    png.read(head.data(), static_cast<std::streamsize>(head.size()));
    t.file("broken.png", head);
    t.file("notes.jpg", "these are notes, not a picture\n");
    t.file("empty.gif", "");
    t.file("readme.txt", "text");
    // A picture under another suffix is read by its contents.
    std::ifstream jpg(t.path("b.jpg"), std::ios::binary);
    t.file("photo.PNG", std::string(std::istreambuf_iterator<char>(jpg), {}));

    CountingReader reader;
    test::RecordingObserver observer;
    const Found found = Search(t, reader, observer);
    ASSERT_EQ(observer.unread.size(), 2u);
    EXPECT_EQ(observer.unread[0].rfind(t.path("broken.png") + ": damaged picture", 0), 0u)
        << observer.unread[0];
    EXPECT_EQ(observer.unread[1], t.path("notes.jpg") + ": not a picture");
    EXPECT_EQ(reader.decoded, 5); // not the text file, nor the empty one
    EXPECT_EQ(found.groupOf.size(), 3u);
    EXPECT_TRUE(found.groupOf.count("photo.PNG"));
}

TEST(PictureSearchTest, TheScanCacheSparesTheSecondRunAllDecoding)
{
    test::TempTree t;
    t.dir("copies");
    DrawSourcesAndVariants(t);
    for (const auto& entry : std::filesystem::recursive_directory_iterator(t.root()))
        if (entry.is_regular_file())
            std::filesystem::last_write_time(entry.path(),
                                             std::filesystem::file_time_type::clock::now() -
                                                 std::chrono::hours(1));
    std::string problem;
    const auto cache = cache::ScanCache::Open(t.path("cache/cache.sqlite"), problem);
    ASSERT_TRUE(cache) << problem;
    // The byte search's entries of the same files stay beside the fingerprints.
    test::RecordingObserver observer;
    CountingReader first;
    const Found cold = Search(t, first, observer, cache.get());
    EXPECT_EQ(first.decoded, kSources * static_cast<int>(test::PictureVariants().size() + 1));
    CountingReader second;
    const Found warm = Search(t, second, observer, cache.get());
    EXPECT_EQ(second.decoded, 0);
    EXPECT_EQ(warm.groupOf, cold.groupOf);
}
