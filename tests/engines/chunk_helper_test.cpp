#include "engines/chunk_helper.h"

#include <atomic>
#include <stdexcept>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

namespace engines {
namespace {

// Counts how often each chunk ran and on which thread.
struct CountingJob {
    explicit CountingJob(int count) : runs(count), onCaller(count) {}
    void operator()(int chunk)
    {
        runs[chunk].fetch_add(1);
        onCaller[chunk] = std::this_thread::get_id() == caller;
        // Enough work that both threads get chunks.
        volatile double x = 0;
        for (int i = 0; i < 20000; ++i) x = x + i;
    }
    std::vector<std::atomic<int>> runs;
    std::vector<char> onCaller;
    std::thread::id caller = std::this_thread::get_id();
};

class ChunkHelperModes : public ::testing::TestWithParam<bool> {};

TEST_P(ChunkHelperModes, EveryPublishedChunkRunsOnceBeforeFinishReturns)
{
    const int total = 400;
    CountingJob job(total);
    ChunkHelper helper(job, GetParam());
    for (int published = 50; published <= total; published += 50) {
        helper.Publish(published);
        helper.FinishChunksBelow(published - 25);
        for (int c = 0; c < published - 25; ++c) ASSERT_EQ(job.runs[c].load(), 1) << c;
    }
    helper.FinishChunksBelow(total);
    for (int c = 0; c < total; ++c) EXPECT_EQ(job.runs[c].load(), 1) << c;
    int onCaller = 0;
    for (char c : job.onCaller) onCaller += c;
    if (GetParam()) {
        EXPECT_LT(onCaller, total) << "the helper thread ran nothing";
    } else {
        EXPECT_EQ(onCaller, total);
    }
}

TEST_P(ChunkHelperModes, ErrorOfAChunkReachesTheCaller)
{
    struct FailingJob {
        void operator()(int chunk)
        {
            if (chunk == 7) throw std::runtime_error("chunk 7");
        }
    } job;
    ChunkHelper helper(job, GetParam());
    helper.Publish(100);
    EXPECT_THROW(helper.FinishChunksBelow(100), std::runtime_error);
}

TEST_P(ChunkHelperModes, DestroyedWithUnfinishedChunks)
{
    CountingJob job(1000);
    {
        ChunkHelper helper(job, GetParam());
        helper.Publish(1000);
    }
    for (int c = 0; c < 1000; ++c) EXPECT_LE(job.runs[c].load(), 1);
}

INSTANTIATE_TEST_SUITE_P(WithAndWithoutThread, ChunkHelperModes, ::testing::Bool());

}  // namespace
}  // namespace engines
