#pragma once

#include "race/race.h"

#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace race_window {
class PanelGrid;
}

namespace race_export {

// A race as a video: its steps from `from` to `to` (the race's last where none) at the race's
// speed, 30 frames a second (25 for a GIF), each frame the panels as the window paints them.
struct VideoRequest {
    QString path;  // .mp4 or .gif
    std::uint64_t from = 0;
    std::optional<std::uint64_t> to;
    QSize size{1280, 720};
    double stepsPerSecond = 1000;
    bool sound = false;  // the steps' tones, in an MP4
    QFont font;          // the window's, zoomed as it is
};

// The race's panels painted into pictures rather than on a screen, laid out as the window lays
// them out at this size: each picture the race as it stands when it is taken.
class RacePicture {
public:
    RacePicture(race::Race& race, QSize size, const QFont& font);
    ~RacePicture();
    QImage Take();

private:
    std::unique_ptr<race_window::PanelGrid> grid_;
};

// The clock of each frame: the first at `from`, the last at `to`, the frames between at the
// speed, whole steps.
std::vector<std::uint64_t> FrameClocks(std::uint64_t from, std::uint64_t to, double stepsPerSecond, int perSecond);

// Writes the video whole or not at all: into a file beside the path, which takes its name at
// the end. `progress(frame, frames)` hears each frame made and cancels with false. The race is
// copied: the one shown stays where it is. An empty text where written, else why not.
QString WriteRaceVideo(const race::Race& race, const VideoRequest& request,
                       const std::function<bool(int frame, int frames)>& progress);

}  // namespace race_export
