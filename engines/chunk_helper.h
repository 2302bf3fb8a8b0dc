// A second thread that shares the numbered chunks of a job with the calling
// thread. The caller hands over a job, does other work (such as drawing the
// next random variates, which must stay on one thread), then joins in on the
// chunks that are left and waits for the rest. Chunks must be independent;
// which thread runs a chunk never changes what it computes.
#pragma once

#include <atomic>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

namespace engines {

class ChunkHelper {
public:
    // Without a second thread the caller runs every chunk in Finish.
    explicit ChunkHelper(bool withThread);
    ~ChunkHelper();
    ChunkHelper(const ChunkHelper&) = delete;
    ChunkHelper& operator=(const ChunkHelper&) = delete;

    // Makes chunks 0 .. count - 1 of job available; returns at once. job(c)
    // runs chunk c. job must stay alive until Finish returns.
    template <typename Job>
    void Start(Job& job, int count)
    {
        Begin(&job, [](void* context, int chunk) { (*static_cast<Job*>(context))(chunk); }, count);
    }

    // Runs chunks on the calling thread until none is left, waits for the
    // helper's, and rethrows the first error a chunk raised.
    void Finish();

private:
    using ChunkFunction = void (*)(void*, int);
    void Begin(void* context, ChunkFunction function, int count);
    void RunChunks() noexcept;
    void HelperLoop();

    void* jobContext = nullptr;
    ChunkFunction jobFunction = nullptr;
    int chunkCount = 0;
    std::atomic<int> nextChunk{0};

    std::mutex mutex;
    std::condition_variable wake;
    std::condition_variable idle;
    unsigned jobNumber = 0;   // guarded by mutex
    bool helperBusy = false;  // guarded by mutex
    bool stopping = false;    // guarded by mutex
    std::exception_ptr error;  // guarded by mutex
    std::thread helper;
};

}  // namespace engines
