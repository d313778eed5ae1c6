#pragma once
// Runs a piece of work over a band of rows, split into chunks that threads take in turn.
#include <functional>

namespace graphitine {

// The number of threads a request for `threads` means: 0 or less is one per core.
int ThreadsFor(int threads);

// Calls work(first, last) for consecutive chunks of at least minimumRows rows covering
// top..bottom (both included), on up to `threads` threads (the caller's among them). Chunks
// are small enough that a busy core does not hold the others up. The first exception thrown
// by any chunk is rethrown here once every thread has stopped.
void ForEachRowChunk(int threads, int top, int bottom, int minimumRows,
                     const std::function<void(int first, int last)>& work);

}  // namespace graphitine
