#include "engines/chunk_helper.h"

namespace engines {

ChunkHelper::ChunkHelper(bool withThread)
{
    if (withThread) helper = std::thread([this] { HelperLoop(); });
}

ChunkHelper::~ChunkHelper()
{
    if (!helper.joinable()) return;
    {
        std::lock_guard lock(mutex);
        stopping = true;
    }
    wake.notify_one();
    helper.join();
}

void ChunkHelper::Begin(void* context, ChunkFunction function, int count)
{
    std::lock_guard lock(mutex);
    jobContext = context;
    jobFunction = function;
    chunkCount = count;
    nextChunk.store(0, std::memory_order_relaxed);
    if (helper.joinable()) {
        ++jobNumber;
        helperBusy = true;
        wake.notify_one();
    }
}

void ChunkHelper::RunChunks() noexcept
{
    for (int chunk; (chunk = nextChunk.fetch_add(1, std::memory_order_relaxed)) < chunkCount;) {
        try {
            jobFunction(jobContext, chunk);
        } catch (...) {
            std::lock_guard lock(mutex);
            if (!error) error = std::current_exception();
            // The job is abandoned: nobody takes further chunks.
            nextChunk.store(chunkCount, std::memory_order_relaxed);
        }
    }
}

void ChunkHelper::Finish()
{
    RunChunks();
    std::unique_lock lock(mutex);
    idle.wait(lock, [this] { return !helperBusy; });
    if (error) {
        std::exception_ptr raised = error;
        error = nullptr;
        std::rethrow_exception(raised);
    }
}

void ChunkHelper::HelperLoop()
{
    unsigned jobsSeen = 0;
    while (true) {
        {
            std::unique_lock lock(mutex);
            wake.wait(lock, [&] { return stopping || jobNumber != jobsSeen; });
            if (stopping) return;
            jobsSeen = jobNumber;
        }
        RunChunks();
        {
            std::lock_guard lock(mutex);
            helperBusy = false;
        }
        idle.notify_one();
    }
}

}  // namespace engines
