#include "platform/portthreads.h"

#include <QThread>

#include <memory>

namespace zmp {

void runOnPortThreads(const std::vector<std::function<void()>>& bodies)
{
    std::vector<std::unique_ptr<QThread>> threads;
    for (const auto& body : bodies) {
        threads.emplace_back(QThread::create(body));
        threads.back()->start();
    }
    for (const auto& thread : threads)
        thread->wait();
}

} // namespace zmp
