#include "common/TextRanks.h"

#include <algorithm>
#include <string>

#include "platform/TextOrder.h"

namespace quorvex {

namespace {

// A row's key: its first 16 bytes as two numbers whose order is the bytes' order
// (zero-padded), and the whole key for rows whose heads agree.
struct KeyedRow
{
    std::uint64_t head0;
    std::uint64_t head1;
    const char* key;
    std::uint32_t length;
    std::uint32_t row;
};

std::uint64_t BigEndianHead(const char* bytes, std::size_t length)
{
    std::uint64_t head = 0;
    for (std::size_t i = 0; i < 8; ++i)
        head = head << 8 | (i < length ? static_cast<unsigned char>(bytes[i]) : 0u);
    return head;
}

// Keys in byte order, beyond the heads: the tails, then (for keys within 16 bytes,
// equal but for the padding) the lengths.
int CompareBeyondHeads(const KeyedRow& a, const KeyedRow& b)
{
    if ((a.length <= 16 && b.length <= 16) || (a.key == b.key && a.length == b.length))
        return (a.length > b.length) - (a.length < b.length);
    const std::string_view tailA =
        a.length > 16 ? std::string_view(a.key + 16, a.length - 16) : std::string_view();
    const std::string_view tailB =
        b.length > 16 ? std::string_view(b.key + 16, b.length - 16) : std::string_view();
    const int order = tailA.compare(tailB);
    if (order != 0)
        return order;
    return (a.length > b.length) - (a.length < b.length);
}

bool SameKey(const KeyedRow& a, const KeyedRow& b)
{
    return a.head0 == b.head0 && a.head1 == b.head1 && CompareBeyondHeads(a, b) == 0;
}

// The rows sorted by key, equal keys in row order.
class SortedKeys
{
public:
    SortedKeys(std::size_t count, const RowText& textOf, const OrderingGoesOn& goOn)
    {
        // Between steps of this many rows the caller's window answers.
        constexpr std::size_t kRowsAStep = 4096;
        const auto stepDone = [&](std::size_t row) {
            return (row + 1) % kRowsAStep != 0 || !goOn || goOn();
        };
        rows_.resize(count);
        if (platform::TextOrderIsByteOrder()) {
            for (std::size_t row = 0; row < count; ++row) {
                const std::string_view text = textOf(row);
                place(row, text.data(), text.size());
                if (!stepDone(row))
                    return;
            }
        } else {
            // The system's key, a NUL (which no key holds) and the text's bytes, so
            // that texts the comparison cannot tell apart still differ.
            std::vector<std::size_t> offsets(count + 1);
            for (std::size_t row = 0; row < count; ++row) {
                const std::string_view text = textOf(row);
                platform::AppendTextSortKey(text, keys_);
                keys_.push_back('\0');
                keys_.append(text);
                offsets[row + 1] = keys_.size();
                if (!stepDone(row))
                    return;
            }
            for (std::size_t row = 0; row < count; ++row)
                place(row, keys_.data() + offsets[row], offsets[row + 1] - offsets[row]);
        }
        complete_ = SortInSteps(
            rows_,
            [](const KeyedRow& a, const KeyedRow& b) {
                if (a.head0 != b.head0)
                    return a.head0 < b.head0;
                if (a.head1 != b.head1)
                    return a.head1 < b.head1;
                const int order = CompareBeyondHeads(a, b);
                return order != 0 ? order < 0 : a.row < b.row;
            },
            goOn);
    }

    // False when the caller stopped the ordering.
    bool complete() const { return complete_; }
    const std::vector<KeyedRow>& rows() const { return rows_; }

private:
    void place(std::size_t row, const char* key, std::size_t length)
    {
        KeyedRow& keyed = rows_[row];
        keyed.head0 = BigEndianHead(key, length);
        keyed.head1 =
            BigEndianHead(key + std::min<std::size_t>(length, 8), length > 8 ? length - 8 : 0);
        keyed.key = key;
        keyed.length = static_cast<std::uint32_t>(length);
        keyed.row = static_cast<std::uint32_t>(row);
    }

    std::string keys_;
    std::vector<KeyedRow> rows_;
    bool complete_ = false;
};

} // namespace

std::vector<std::uint32_t> OrderRowsByText(std::size_t count, const RowText& textOf, bool ascending,
                                           const OrderingGoesOn& goOn)
{
    const SortedKeys sorted(count, textOf, goOn);
    if (!sorted.complete())
        return {};
    const std::vector<KeyedRow>& rows = sorted.rows();
    std::vector<std::uint32_t> order;
    order.reserve(count);
    if (ascending) {
        for (const KeyedRow& keyed : rows)
            order.push_back(keyed.row);
        return order;
    }
    // Runs of equal keys from the last to the first, each in row order.
    std::size_t end = rows.size();
    while (end > 0) {
        std::size_t begin = end - 1;
        while (begin > 0 && SameKey(rows[begin - 1], rows[end - 1]))
            --begin;
        for (std::size_t i = begin; i < end; ++i)
            order.push_back(rows[i].row);
        end = begin;
    }
    return order;
}

std::vector<std::uint32_t> RankRowsByText(std::size_t count, const RowText& textOf,
                                          const OrderingGoesOn& goOn)
{
    const SortedKeys sorted(count, textOf, goOn);
    if (!sorted.complete())
        return {};
    const std::vector<KeyedRow>& rows = sorted.rows();
    std::vector<std::uint32_t> ranks(count);
    std::uint32_t rank = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i > 0 && !SameKey(rows[i - 1], rows[i]))
            ++rank;
        ranks[rows[i].row] = rank;
    }
    return ranks;
}

} // namespace quorvex
