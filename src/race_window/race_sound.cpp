#include "race_window/race_sound.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

#include <algorithm>
#include <cmath>
#include <vector>

namespace race_window {

RaceSound::RaceSound(QObject* parent) : QObject(parent)
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        unavailable_ = tr("No audio output was found on this computer.");
        return;
    }
    QAudioFormat format;
    format.setSampleRate(kSampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) {
        unavailable_ = tr("The audio output \"%1\" cannot play the race's tones.").arg(device.description());
        return;
    }
    sink_ = new QAudioSink(device, format, this);
    // A tenth of a second: the output asks for tones often enough that they come evenly, and
    // stops soon after a pause. (Much less and some outputs never start.)
    sink_->setBufferSize(kSampleRate / 10 * 2);
    connect(sink_, &QAudioSink::stateChanged, this, &RaceSound::Watch);
    clock_.start();
    // Unbuffered, so that tones are rendered only as the output asks: a buffered device reads
    // 16 KB ahead, a fifth of a second of tones late, and keeps what is left over through a
    // pause, to be played first on resuming.
    source_.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

RaceSound::~RaceSound()
{
    if (sink_) sink_->stop();
}

void RaceSound::Start(int voices)
{
    if (!sink_) return;
    {
        const QMutexLocker lock(&mutex_);
        tones_ = std::make_unique<race::StepTones>(kSampleRate, voices);
    }
    sounding_ = true;
    if (sink_->state() != QAudio::ActiveState) sink_->start(&source_);
}

void RaceSound::Touch(int voice, double share)
{
    const QMutexLocker lock(&mutex_);
    if (tones_ && sounding_) tones_->Touch(voice, share, Now());
}

void RaceSound::Silence()
{
    {
        const QMutexLocker lock(&mutex_);
        if (tones_) tones_->Silence();
    }
    sounding_ = false;
    if (!sink_) return;
    // What the output still holds is dropped, not played out.
    sink_->reset();
    sink_->stop();
}

double RaceSound::Now() const { return static_cast<double>(clock_.nsecsElapsed()) * 1e-9; }

void RaceSound::Watch()
{
    if (!sink_ || !sounding_) return;
    const QAudio::Error error = sink_->error();
    if (sink_->state() == QAudio::StoppedState && error != QAudio::NoError) {
        sounding_ = false;
        unavailable_ = tr("The audio output went away.");
        emit Lost(*unavailable_);
    }
}

qint64 RaceSound::Source::readData(char* data, qint64 maxSize)
{
    const auto frames = static_cast<std::size_t>(maxSize / 2);
    std::vector<float> mix(frames, 0.0f);
    {
        const QMutexLocker lock(&sound_.mutex_);
        if (sound_.tones_) sound_.tones_->Render(mix.data(), frames, sound_.Now());
    }
    auto* samples = reinterpret_cast<qint16*>(data);
    for (std::size_t i = 0; i < frames; ++i)
        samples[i] = static_cast<qint16>(std::lround(std::clamp(mix[i], -1.0f, 1.0f) * 32767.0f));
    return static_cast<qint64>(frames * 2);
}

}  // namespace race_window
