#include "race_export/race_video.h"

#include "platform/whole_file.h"
#include "race/step_tones.h"
#include "race_window/panel_grid.h"
#include "video/video_encoder.h"

#include <QCoreApplication>
#include <QImage>

#include <cmath>

namespace race_export {
namespace {

// Where the export's words are translated.
struct RaceVideo {
    Q_DECLARE_TR_FUNCTIONS(race_export::RaceVideo)
};

// The tones of the steps each frame shows, as the window's sound makes them.
class FrameSound {
public:
    static constexpr int kRate = 48000;

    FrameSound(const race::Race& race, int perSecond)
        : tones_(kRate, static_cast<int>(race.Methods().size())), samples_(kRate / perSecond), perSecond_(perSecond)
    {
    }

    std::vector<float> For(const race::Race& race, int frame)
    {
        const double now = double(frame) / perSecond_;
        for (const auto& [voice, share] : race::LastStepTones(race)) tones_.Touch(voice, share, now);
        std::vector<float> out(static_cast<std::size_t>(samples_));
        tones_.Render(out.data(), out.size(), now);
        return out;
    }

private:
    race::StepTones tones_;
    int samples_, perSecond_;
};

}  // namespace

RacePicture::RacePicture(race::Race& race, QSize size, const QFont& font) : grid_(std::make_unique<race_window::PanelGrid>())
{
    grid_->setAttribute(Qt::WA_DontShowOnScreen);
    grid_->setFont(font);
    grid_->setAutoFillBackground(true);
    grid_->resize(size);
    grid_->SetLanes(race);
    grid_->Show(&race);
    grid_->show();
    QCoreApplication::processEvents();  // laid out
}

RacePicture::~RacePicture() = default;

QImage RacePicture::Take()
{
    grid_->Refresh();
    QImage picture(grid_->size(), QImage::Format_RGB32);
    picture.fill(grid_->palette().window().color());
    grid_->render(&picture);
    return picture;
}

std::vector<std::uint64_t> FrameClocks(std::uint64_t from, std::uint64_t to, double stepsPerSecond, int perSecond)
{
    std::vector<std::uint64_t> clocks{from};
    const double stepsPerFrame = stepsPerSecond / perSecond;
    for (std::uint64_t frame = 1; clocks.back() < to; ++frame)
        clocks.push_back(std::min<std::uint64_t>(to, from + static_cast<std::uint64_t>(std::floor(frame * stepsPerFrame))));
    return clocks;
}

QString WriteRaceVideo(const race::Race& shown, const VideoRequest& request,
                       const std::function<bool(int, int)>& progress)
{
    race::Race race = shown;
    video::Format format;
    format.container = video::ContainerFor(request.path.toStdString());
    const bool gif = format.container == video::Format::Container::Gif;
    format.width = request.size.width();
    format.height = request.size.height();
    format.framesPerSecond = gif ? 25 : 30;
    format.soundRate = request.sound && !gif ? FrameSound::kRate : 0;
    const std::uint64_t to = std::min(request.to.value_or(race.Longest()), race.Longest());
    const auto clocks = FrameClocks(std::min(request.from, to), to, request.stepsPerSecond, format.framesPerSecond);

    RacePicture pictures(race, request.size, request.font);

    QString failure;
    const bool whole = platform::WriteWhole(request.path.toStdString(), [&](const std::string& partial) {
        try {
            video::Encoder encoder(partial, format);
            FrameSound sound(race, format.framesPerSecond);
            for (std::size_t frame = 0; frame < clocks.size(); ++frame) {
                if (frame == 0)
                    race.JumpTo(clocks[0]);
                else
                    race.Tick(clocks[frame] - race.Clock());  // as the window goes on, its marks those of the last step
                const QImage picture = pictures.Take();
                encoder.AddFrame(picture.constBits(), static_cast<int>(picture.bytesPerLine()));
                if (format.soundRate > 0) {
                    const std::vector<float> samples = sound.For(race, static_cast<int>(frame));
                    encoder.AddSound(samples.data(), samples.size());
                }
                if (!progress(static_cast<int>(frame) + 1, static_cast<int>(clocks.size()))) {
                    failure = RaceVideo::tr("The export was cancelled.");
                    return false;
                }
            }
            encoder.Finish();
        } catch (const video::EncodeError& error) {
            failure = RaceVideo::tr("%1 cannot be written: %2").arg(request.path, error.what());
            return false;
        }
        return true;
    });
    if (!whole && failure.isEmpty())
        failure = RaceVideo::tr("%1 cannot be written: %2").arg(request.path, RaceVideo::tr("it cannot be renamed"));
    return failure;
}

}  // namespace race_export
