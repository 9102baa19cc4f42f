#include "compare/background_run.h"

#include <csignal>
#include <fcntl.h>
#include <pthread.h>
#include <stdexcept>
#include <unistd.h>
#include <utility>

namespace compare {

BackgroundRun::BackgroundRun(Comparison& comparison)
{
    if (pipe2(wake_, O_CLOEXEC | O_NONBLOCK) != 0) throw std::runtime_error("cannot make a pipe");
    thread_ = std::thread([this, &comparison] {
        // The signals are the calling thread's to answer.
        sigset_t signals;
        sigemptyset(&signals);
        sigaddset(&signals, SIGINT);
        sigaddset(&signals, SIGTERM);
        pthread_sigmask(SIG_BLOCK, &signals, nullptr);
        comparison.Run(*this);
        Post({.kind = Event::Kind::Finished});
    });
}

BackgroundRun::~BackgroundRun()
{
    thread_.join();
    close(wake_[0]);
    close(wake_[1]);
}

std::vector<BackgroundRun::Event> BackgroundRun::TakeEvents()
{
    char drained[64];
    while (read(wake_[0], drained, sizeof drained) > 0) {
    }
    const std::lock_guard lock(mutex_);
    return std::exchange(events_, {});
}

void BackgroundRun::RunStarting(const RunPlan& plan) { Post({.kind = Event::Kind::RunStarting, .plan = plan}); }

void BackgroundRun::PassStarting(int pass) { Post({.kind = Event::Kind::PassStarting, .pass = pass}); }

void BackgroundRun::RowDone(const Measurement& row) { Post({.kind = Event::Kind::RowDone, .row = row}); }

void BackgroundRun::Post(Event event)
{
    {
        const std::lock_guard lock(mutex_);
        events_.push_back(std::move(event));
    }
    const char wake = 1;
    // A full pipe already wakes the reader.
    [[maybe_unused]] const auto written = write(wake_[1], &wake, 1);
}

}  // namespace compare
