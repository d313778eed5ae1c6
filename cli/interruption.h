#pragma once
// Ending the converter on Ctrl-C (SIGINT), SIGTERM or SIGHUP without leaving the temporary
// files it was writing beside its outputs.

namespace graphitine::cli {

// Call first thing in main, before any other thread starts: the signals are blocked in every
// thread and taken by one thread of their own, which removes the temporary files being written
// and then ends the process by the same signal, so that its exit status is the usual one.
// Signals that were ignored when the converter started (nohup, a background job) stay ignored.
void RemoveTemporaryFilesOnSignals();

}  // namespace graphitine::cli
