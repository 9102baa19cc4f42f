#include "race_window/script_recorder.h"

#include <algorithm>
#include <chrono>

namespace race_window {

ScriptRecorder::ScriptRecorder(QObject* parent) : QObject(parent)
{
    poll_.setInterval(50);
    connect(&poll_, &QTimer::timeout, this, &ScriptRecorder::Poll);
}

// Each job's process is killed within a tenth of a second of its cancelling; the futures wait
// for that.
ScriptRecorder::~ScriptRecorder()
{
    if (current_) *current_->cancelled = true;
    for (Job& job : stopping_) *job.cancelled = true;
}

void ScriptRecorder::Start(const std::vector<script::ScriptFile>& files, const std::vector<float>& items)
{
    if (current_) {
        *current_->cancelled = true;
        stopping_.push_back(std::move(*current_));
        current_.reset();
    }
    if (files.empty()) return;
    auto cancelled = std::make_shared<std::atomic<bool>>(false);
    current_ = Job{cancelled, std::async(std::launch::async, [files, items, cancelled] {
                       std::vector<race::Recording> recordings;
                       for (const script::ScriptFile& file : files)
                           recordings.push_back(race::RecordScript(file, items, [&] { return cancelled->load(); }));
                       return recordings;
                   })};
    poll_.start();
}

bool ScriptRecorder::Ready(const Job& job)
{
    return job.recordings.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

void ScriptRecorder::Poll()
{
    std::erase_if(stopping_, [](const Job& job) { return Ready(job); });
    if (current_ && Ready(*current_)) {
        auto recordings = std::make_shared<std::vector<race::Recording>>(current_->recordings.get());
        current_.reset();
        emit Recorded(recordings);
    }
    if (!current_ && stopping_.empty()) poll_.stop();
}

}  // namespace race_window
