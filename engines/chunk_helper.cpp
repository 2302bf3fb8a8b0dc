#include "engines/chunk_helper.h"

namespace engines {

ChunkHelper::~ChunkHelper()
{
    if (!helper.joinable()) return;
    stopping.store(true);
    wakeCount.fetch_add(1);
    wakeCount.notify_one();
    helper.join();
}

void ChunkHelper::Publish(int count)
{
    published.store(count);
    wakeCount.fetch_add(1);
    wakeCount.notify_one();
}

int ChunkHelper::Claim(int limit, std::atomic<int>* announce)
{
    int chunk = nextChunk.load();
    while (chunk < limit) {
        if (announce) announce->store(chunk);
        if (nextChunk.compare_exchange_weak(chunk, chunk + 1)) return chunk;
    }
    return -1;
}

bool ChunkHelper::AllFinishedBelow(int count) const
{
    // The helper announces a chunk before claiming it, so a claimed chunk
    // below count is either finished or still shown in helperChunk.
    return nextChunk.load() >= count && helperChunk.load() >= count;
}

void ChunkHelper::FinishChunksBelow(int count)
{
    while (!AllFinishedBelow(count)) {
        int chunk = Claim(count, nullptr);
        // While the helper still runs one of the chunks waited for, later
        // chunks are better than idling (the helper may have lost its core).
        if (chunk < 0) chunk = Claim(published.load(), nullptr);
        if (chunk >= 0) {
            jobFunction(jobContext, chunk);
            continue;
        }
        const int running = helperChunk.load();
        if (running < count) helperChunk.wait(running);
    }
    if (helperFailed.load()) {
        std::lock_guard lock(errorMutex);
        std::rethrow_exception(helperError);
    }
}

void ChunkHelper::HelperLoop()
{
    while (!stopping.load()) {
        const unsigned wakes = wakeCount.load();
        const int chunk = Claim(published.load(), &helperChunk);
        if (chunk >= 0 && !helperFailed.load()) {
            try {
                jobFunction(jobContext, chunk);
            } catch (...) {
                std::lock_guard lock(errorMutex);
                helperError = std::current_exception();
                helperFailed.store(true);
            }
        }
        helperChunk.store(Idle);
        helperChunk.notify_one();
        if (chunk < 0) wakeCount.wait(wakes);
    }
}

}  // namespace engines
