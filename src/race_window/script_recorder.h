#pragma once

#include "race/recording.h"

#include <QObject>
#include <QTimer>

#include <atomic>
#include <future>
#include <memory>
#include <string>
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

    void Start(const std::vector<script::ScriptFile>& files, const std::vector<float>& items, double seconds);
    // The recording under way is given up, its process ended at once.
    void Stop();
    bool Busy() const { return current_.has_value(); }
    // While busy: the file being recorded, and its steps so far.
    std::string Recording() const;
    std::uint64_t StepsSoFar() const;

signals:
    void Recorded(std::shared_ptr<std::vector<race::Recording>> recordings);
    // While busy, twice a second: how far it has come.
    void Progressed();

private:
    struct Progress {
        std::atomic<bool> cancelled{false};
        std::atomic<std::size_t> file{0};
        std::atomic<std::uint64_t> steps{0};
    };
    struct Job {
        std::uint64_t id;
        std::vector<std::string> names;
        std::shared_ptr<Progress> progress;
        std::future<std::vector<race::Recording>> recordings;
    };
    // The job `id` has ended, or is about to: its recordings handed over, or it is let go.
    void Ended(std::uint64_t id);

    std::optional<Job> current_;
    std::vector<Job> stopping_;  // cancelled, their processes ending
    std::uint64_t jobs_ = 0;
    QTimer ticks_;
};

}  // namespace race_window
