#include "race_window/script_recorder.h"

#include <algorithm>

namespace race_window {

ScriptRecorder::ScriptRecorder(QObject* parent) : QObject(parent)
{
    ticks_.setInterval(500);
    connect(&ticks_, &QTimer::timeout, this, &ScriptRecorder::Progressed);
}

// Each job's process is killed within a tenth of a second of its cancelling; the futures wait
// for that, before the recorder, and the news of their end posted to it, are gone.
ScriptRecorder::~ScriptRecorder()
{
    if (current_) current_->progress->cancelled = true;
    for (Job& job : stopping_) job.progress->cancelled = true;
}

void ScriptRecorder::Stop()
{
    if (!current_) return;
    current_->progress->cancelled = true;
    stopping_.push_back(std::move(*current_));
    current_.reset();
    ticks_.stop();
}

std::string ScriptRecorder::Recording() const
{
    if (!current_) return {};
    return current_->names.at(std::min(current_->progress->file.load(), current_->names.size() - 1));
}

std::uint64_t ScriptRecorder::StepsSoFar() const { return current_ ? current_->progress->steps.load() : 0; }

void ScriptRecorder::Start(const std::vector<script::ScriptFile>& files, const std::vector<float>& items,
                           double seconds)
{
    Stop();
    if (files.empty()) return;
    auto progress = std::make_shared<Progress>();
    const std::uint64_t id = ++jobs_;
    std::vector<std::string> names;
    for (const script::ScriptFile& file : files) names.push_back(file.name);
    current_ = Job{id, names, progress, std::async(std::launch::async, [this, id, files, items, seconds, progress] {
                       std::vector<race::Recording> recordings;
                       for (const script::ScriptFile& file : files) {
                           recordings.push_back(race::RecordScript(file, items, seconds, [&](std::uint64_t steps) {
                               progress->steps = steps;
                               return progress->cancelled.load();
                           }));
                           ++progress->file;
                       }
                       QMetaObject::invokeMethod(this, [this, id] { Ended(id); }, Qt::QueuedConnection);
                       return recordings;
                   })};
    ticks_.start();
}

void ScriptRecorder::Ended(std::uint64_t id)
{
    std::erase_if(stopping_, [id](const Job& job) { return job.id == id; });
    if (!current_ || current_->id != id) return;
    // Told just before its thread returns them: get() waits for that moment.
    auto recordings = std::make_shared<std::vector<race::Recording>>(current_->recordings.get());
    current_.reset();
    ticks_.stop();
    emit Recorded(recordings);
}

}  // namespace race_window
