#pragma once

#include "compare/comparison.h"

#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace compare {

// A comparison on a thread of its own, so that the calling thread stays free to show its
// progress and to answer a signal at once: it takes the comparison's events as they come,
// and may walk away in the middle of a sort, whose loops carry no check for that.
class BackgroundRun : private ComparisonListener {
public:
    struct Event {
        enum class Kind { RunStarting, PassStarting, RowDone, Finished };
        Kind kind;
        std::optional<RunPlan> plan{};  // a run about to start
        int pass = 0;
        std::optional<Measurement> row{};
    };

    // Starts the comparison, which must outlive the run.
    explicit BackgroundRun(Comparison& comparison);
    ~BackgroundRun() override;
    BackgroundRun(const BackgroundRun&) = delete;
    BackgroundRun& operator=(const BackgroundRun&) = delete;

    // Becomes readable whenever events wait.
    int WakeDescriptor() const { return wake_[0]; }
    // The events so far, in order, and no longer waiting.
    std::vector<Event> TakeEvents();

private:
    void RunStarting(const RunPlan& plan) override;
    void PassStarting(int pass) override;
    void RowDone(const Measurement& row) override;
    void Post(Event event);

    std::mutex mutex_;
    std::vector<Event> events_;
    int wake_[2] = {-1, -1};
    std::thread thread_;
};

}  // namespace compare
