#pragma once
// Set by a background job at its very end; the progress window polls it and closes. The
// starter clears it before each job. Atomic, so the worker's write and the window's read need
// no lock and the window never reads a torn or stale-forever value.
#include <atomic>

extern std::atomic<int> BackgroundDoneFlag;
