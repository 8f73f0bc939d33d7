#pragma once

#include <QThread>

#include <algorithm>
#include <thread>
#include <vector>

// Runs `work` on one thread per core (or on `threads`), the calling thread among them, but on
// no more threads than there are `jobs`, and returns once every thread has returned. `work`
// takes its jobs from a counter it shares, so a thread that finishes early takes more.
template <typename Work> void runOnEveryCore(int jobs, const Work& work, int threads = 0)
{
    const int count =
        std::clamp(threads > 0 ? threads : QThread::idealThreadCount(), 1, std::max(jobs, 1));
    std::vector<std::thread> workers;
    for (int i = 1; i < count; ++i)
        workers.emplace_back(work);
    work();
    for (std::thread& worker : workers)
        worker.join();
}
