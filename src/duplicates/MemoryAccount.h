#pragma once
// The bytes a search holds in memory beyond its result list (file contents, pairs
// waiting to be resolved, the workers' tables), counted by the code that holds them,
// with the highest count reached. Any thread may add and remove.

#include <atomic>
#include <cstdint>

namespace quorvex {

class MemoryAccount
{
public:
    void add(std::uint64_t bytes)
    {
        const std::uint64_t now = held_.fetch_add(bytes, std::memory_order_relaxed) + bytes;
        std::uint64_t peak = peak_.load(std::memory_order_relaxed);
        while (now > peak && !peak_.compare_exchange_weak(peak, now, std::memory_order_relaxed)) {
        }
    }
    void remove(std::uint64_t bytes) { held_.fetch_sub(bytes, std::memory_order_relaxed); }
    // Replaces what one holder counted before (`before`) by what it holds now.
    void change(std::uint64_t before, std::uint64_t now)
    {
        if (now > before)
            add(now - before);
        else
            remove(before - now);
    }

    std::uint64_t held() const { return held_.load(std::memory_order_relaxed); }
    std::uint64_t peak() const { return peak_.load(std::memory_order_relaxed); }

private:
    std::atomic<std::uint64_t> held_{0};
    std::atomic<std::uint64_t> peak_{0};
};

} // namespace quorvex
