// Runs independent pieces of work on a few threads.
#pragma once

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace kv::starless {

// The number of threads worth starting: the processor's cores, at least 1.
inline int DefaultThreads() { return std::max(1, static_cast<int>(std::thread::hardware_concurrency())); }

// Calls work(i) once for every i in [0, count), on up to threads threads;
// the pieces are handed out in order as threads become free.
template <class Work>
void ParallelFor(int count, int threads, Work work)
{
    std::atomic<int> next{0};
    auto run = [&] {
        for (int i = next++; i < count; i = next++)
            work(i);
    };
    std::vector<std::thread> pool;
    for (int t = 1; t < std::min(threads, count); ++t)
        pool.emplace_back(run);
    run();
    for (auto& th : pool)
        th.join();
}

// Rows [0, height) in bands of about 64 rows: work(firstRow, endRow).
template <class Work>
void ParallelRows(int32_t height, int threads, Work work)
{
    constexpr int32_t kBand = 64;
    const int bands = static_cast<int>((height + kBand - 1) / kBand);
    ParallelFor(bands, threads, [&](int b) { work(b * kBand, std::min(height, (b + 1) * kBand)); });
}

} // namespace kv::starless
