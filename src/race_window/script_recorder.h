#pragma once

#include "race/recording.h"

#include <QObject>

#include <atomic>
#include <future>
#include <memory>
#include <vector>

namespace race_window {

// Records students' scripts on a race's items away from the window's thread, so that the race
// plays on meanwhile, and hands the recordings over when all are made, told so by the thread
// that made them. A new start, or the recorder's end, stops the scripts still running at once.
class ScriptRecorder : public QObject {
    Q_OBJECT

public:
    explicit ScriptRecorder(QObject* parent = nullptr);
    ~ScriptRecorder() override;

    void Start(const std::vector<script::ScriptFile>& files, const std::vector<float>& items);
    bool Busy() const { return current_.has_value(); }

signals:
    void Recorded(std::shared_ptr<std::vector<race::Recording>> recordings);

private:
    struct Job {
        std::uint64_t id;
        std::shared_ptr<std::atomic<bool>> cancelled;
        std::future<std::vector<race::Recording>> recordings;
    };
    // The job `id` has ended, or is about to: its recordings handed over, or it is let go.
    void Ended(std::uint64_t id);

    std::optional<Job> current_;
    std::vector<Job> stopping_;  // cancelled, their processes ending
    std::uint64_t jobs_ = 0;
};

}  // namespace race_window
