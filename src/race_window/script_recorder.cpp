#include "race_window/script_recorder.h"

#include <algorithm>

namespace race_window {

ScriptRecorder::ScriptRecorder(QObject* parent) : QObject(parent) {}

// Each job's process is killed within a tenth of a second of its cancelling; the futures wait
// for that, before the recorder, and the news of their end posted to it, are gone.
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
    const std::uint64_t id = ++jobs_;
    current_ = Job{id, cancelled, std::async(std::launch::async, [this, id, files, items, cancelled] {
                       std::vector<race::Recording> recordings;
                       for (const script::ScriptFile& file : files)
                           recordings.push_back(race::RecordScript(file, items, [&] { return cancelled->load(); }));
                       QMetaObject::invokeMethod(this, [this, id] { Ended(id); }, Qt::QueuedConnection);
                       return recordings;
                   })};
}

void ScriptRecorder::Ended(std::uint64_t id)
{
    std::erase_if(stopping_, [id](const Job& job) { return job.id == id; });
    if (!current_ || current_->id != id) return;
    // Told just before its thread returns them: get() waits for that moment.
    auto recordings = std::make_shared<std::vector<race::Recording>>(current_->recordings.get());
    current_.reset();
    emit Recorded(recordings);
}

}  // namespace race_window
