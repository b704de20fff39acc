#pragma once
// Trees of near-copies for the similarity pairing tests, and the pairings to check
// against each other.

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>

#include "DupTestSupport.h"
#include "LiteralPairing.h"
#include "duplicates/DupPairing.h"
#include "duplicates/DupSearch.h"
#include "duplicates/DupSort.h"
#include "platform/FileSystem.h"
#include "support/TempTree.h"

namespace quorvex::test {

class NearCopyTree
{
public:
    explicit NearCopyTree(unsigned seed) : random_(seed) {}

    void fill(const TempTree& t, int files)
    {
        const std::vector<std::size_t> sizes = {1,    3,    4,    7,      40,     333,    1000,
                                                1200, 4096, 5000, 131071, 131072, 131075, 140000};
        std::vector<std::string> originals;
        for (int i = 0; i < files; ++i) {
            const std::string name = "d" + std::to_string(pick(3)) + "/f" + std::to_string(i);
            std::string content;
            if (pick(10) == 0) {
                content.clear(); // empty files never take part
            } else if (!originals.empty() && pick(3) != 0) {
                content = nearCopy(originals[pick(originals.size())]);
            } else {
                content = bytes(sizes[pick(sizes.size())]);
                originals.push_back(content);
            }
            t.file(name, content);
            if (pick(15) == 0)
                faulty.insert(t.path(name));
        }
    }

    // Open and read faults alternate by the last byte of the path.
    void installFaults() const
    {
        platform::SetFaultHook([this](platform::FaultPoint point, std::string_view path) {
            return point != platform::FaultPoint::List && faulty.count(std::string(path)) &&
                   (point == platform::FaultPoint::Open) == (path.back() % 2 == 0);
        });
    }

    std::string nearCopy(std::string content)
    {
        switch (pick(5)) {
        case 0: // change k words
            for (std::size_t k = pick(8) + 1; k > 0 && !content.empty(); --k)
                content[pick(content.size())] ^= 0x5a;
            break;
        case 1: // append
            content += bytes(pick(content.size() / 4 + 4));
            break;
        case 2: // cut
            content.resize(content.size() - pick(content.size() / 4 + 1));
            break;
        case 3: // shift by a few bytes
            content.insert(0, bytes(pick(3) + 1));
            break;
        default: // an exact copy
            break;
        }
        return content;
    }

    std::string bytes(std::size_t size)
    {
        std::string out(size, '\0');
        for (char& c : out)
            c = static_cast<char>(pick(3)); // low entropy: words often agree by chance
        return out;
    }

    std::size_t pick(std::size_t n)
    {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
    }

    std::set<std::string> faulty;

private:
    std::mt19937 random_;
};

inline std::vector<std::string> Finished(DupList list)
{
    list.removeUngrouped();
    SortDupListByCell(list, 65536 + kCellGroup);
    AssignBands(list);
    std::vector<std::string> rows = Rows(list);
    for (std::size_t i = 0; i < list.size(); ++i)
        rows[i] += " " + list.RecordPath(list[i]);
    return rows;
}

inline DupList Collected(const TempTree& t)
{
    FilterSettings filters;
    DupList list;
    CollectFiles(t.root(), {filters, 100, silentObserver()}, list);
    return list;
}

inline std::vector<std::string> Literal(DupList list, int threshold)
{
    LiteralPairing(list, threshold, silentObserver());
    return Finished(std::move(list));
}

// The similarity pairing with `budget` bytes for contents; a pair budget of 0 stops
// the sweep at its first open pair and pairs the rest from disk.
inline std::vector<std::string> Similar(DupList list, int threshold, unsigned threads,
                                        std::uint64_t budget,
                                        RunObserver& observer = silentObserver(),
                                        std::uint64_t pairBudget = 64ull << 20)
{
    PairSimilarFiles(list, {threshold, threads, budget, pairBudget}, observer);
    return Finished(std::move(list));
}

} // namespace quorvex::test
