// A second thread that takes numbered chunks of one job as the calling
// thread makes them available. The caller publishes chunks in increasing
// order, goes on with other work (such as drawing further random variates,
// which must stay on one thread), and when it needs a prefix of the chunks
// finished it runs unclaimed ones itself and waits for the helper's. Chunks
// must be independent: which thread runs a chunk never changes what it
// computes.
#pragma once

#include <atomic>
#include <climits>
#include <exception>
#include <mutex>
#include <thread>

namespace engines {

class ChunkHelper {
public:
    // job(c) runs chunk c; it must outlive the helper. Without a thread the
    // caller runs every chunk itself in FinishChunksBelow.
    template <typename Job>
    ChunkHelper(Job& job, bool withThread)
        : jobContext(&job),
          jobFunction([](void* context, int chunk) { (*static_cast<Job*>(context))(chunk); })
    {
        if (withThread) helper = std::thread([this] { HelperLoop(); });
    }
    ~ChunkHelper();
    ChunkHelper(const ChunkHelper&) = delete;
    ChunkHelper& operator=(const ChunkHelper&) = delete;

    // Chunks 0 .. count - 1 may now run; count never decreases.
    void Publish(int count);

    // Returns once chunks 0 .. count - 1 (all published) have run, running
    // unclaimed ones on the calling thread meanwhile, and later published
    // ones while the helper finishes one of them. Rethrows the first error a
    // chunk of the helper raised.
    void FinishChunksBelow(int count);

private:
    using ChunkFunction = void (*)(void*, int);
    static constexpr int Idle = INT_MAX;

    // Claims the next chunk below limit, or returns -1. announce, when
    // given, shows the candidate before it is claimed, so that a chunk is
    // never claimed without being visibly in progress.
    int Claim(int limit, std::atomic<int>* announce);
    bool AllFinishedBelow(int count) const;
    void HelperLoop();

    void* const jobContext;
    const ChunkFunction jobFunction;

    std::atomic<int> published{0};
    std::atomic<int> nextChunk{0};
    std::atomic<int> helperChunk{Idle};  // the chunk the helper may be running
    std::atomic<unsigned> wakeCount{0};  // bumped on every publish and at the end
    std::atomic<bool> stopping{false};
    std::atomic<bool> helperFailed{false};
    std::mutex errorMutex;
    std::exception_ptr helperError;  // guarded by errorMutex
    std::thread helper;
};

}  // namespace engines
