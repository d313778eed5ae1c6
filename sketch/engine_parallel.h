#pragma once
// Runs a piece of work over a band of rows, split into chunks that the shared worker pool's
// threads take in turn.
#include <functional>
#include <stop_token>

namespace graphitine {

// Calls work(first, last) for consecutive chunks of at least minimumRows rows covering
// top..bottom (both included), on up to `threads` of the shared pool's threads (all of them
// when threads is 0 or less), or on the calling thread alone when threads is 1. Chunks are small
// enough that a busy core does not hold the others up. stop is checked before each chunk: once it
// is requested no further chunk starts and Stopped is raised. The first exception thrown by any
// chunk is rethrown here once every chunk that started has ended.
void ForEachRowChunk(int threads, int top, int bottom, int minimumRows,
                     const std::function<void(int first, int last)>& work,
                     std::stop_token stop = {});

}  // namespace graphitine
