#include "race_export/video_command.h"

#include "command_line/option_parser.h"
#include "platform/words.h"
#include "race/lesson_file.h"
#include "race/pace.h"
#include "race_export/race_video.h"

#include <QApplication>

#include <atomic>
#include <csignal>
#include <iostream>
#include <unistd.h>

namespace race_export {
namespace {

std::atomic<bool> interrupted{false};

extern "C" void Interrupt(int) { interrupted = true; }

VideoRequest RequestOf(const race::RaceOptions& options, const race::LessonSettings& lesson, const race::Race& race)
{
    VideoRequest request;
    request.path = QString::fromStdString(options.exportTo->path);
    if (options.steps) std::tie(request.from, request.to) = *options.steps;
    if (options.size) request.size = QSize(options.size->first, options.size->second);
    // A race of a few items goes at a pace a class can follow, as in the window.
    request.stepsPerSecond = race::Pace::StepsPerSecondAt(lesson.speed.value_or(race::Pace::UsualNotch(race.NumItems())));
    request.sound = options.sound;
    request.font = QApplication::font();
    request.font.setPointSizeF(request.font.pointSizeF() * lesson.zoom.value_or(race::kUsualZoom) / race::kUsualZoom);
    return request;
}

}  // namespace

int WriteVideoCommand(const race::RaceOptions& options, const std::string& program)
{
    using platform::Fill;
    using platform::Words;
    race::LessonSettings lesson;
    try {
        lesson = race::LessonOfCommand(options);
    } catch (const race::LessonRefused& refused) {
        std::cerr << command_line::Refusal(program, refused.what());
        return 2;
    }
    const race::Race race = race::RaceOfLesson(lesson, race::ScriptLanes::RecordedNow, options.scriptSeconds);
    const VideoRequest request = RequestOf(options, lesson, race);
    std::signal(SIGINT, Interrupt);
    std::signal(SIGTERM, Interrupt);
    const bool terminal = isatty(STDERR_FILENO) != 0;
    const QString failure = WriteRaceVideo(race, request, [&](int frame, int frames) {
        if (terminal && (frame % 10 == 0 || frame == frames))
            std::cerr << "\r" << Fill(Words("race", "frame %1 of %2"), {std::to_string(frame), std::to_string(frames)})
                      << std::flush;
        return !interrupted;
    });
    if (terminal) std::cerr << "\n";
    if (!failure.isEmpty()) {
        std::cerr << program << ": " << failure.toStdString() << "\n";
        return 1;
    }
    std::cout << Fill(Words("race", "Wrote %1."), {options.exportTo->path}) << "\n";
    return 0;
}

}  // namespace race_export
