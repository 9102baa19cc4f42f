#pragma once

#include "race/recording.h"

#include <QObject>
#include <QTimer>

#include <atomic>
#include <future>
#include <memory>
#include <vector>

namespace race_window {

// Records students' scripts on a race's items away from the window's thread, so that the race
// plays on meanwhile, and hands the recordings over when all are made. A new start, or the
// recorder's end, stops the scripts still running at once.
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
        std::shared_ptr<std::atomic<bool>> cancelled;
        std::future<std::vector<race::Recording>> recordings;
    };
    void Poll();
    static bool Ready(const Job& job);

    std::optional<Job> current_;
    std::vector<Job> stopping_;  // cancelled, their processes ending
    QTimer poll_;
};

}  // namespace race_window
