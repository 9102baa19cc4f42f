#pragma once

#include "race/step_tones.h"

#include <QElapsedTimer>
#include <QIODevice>
#include <QMutex>
#include <QObject>

#include <memory>
#include <optional>

class QAudioSink;

namespace race_window {

// The race's tones on the default audio output, through Qt Multimedia. Where no output can be
// opened, or the one in use goes away, it says why and stays silent; nothing else depends on it.
class RaceSound : public QObject {
    Q_OBJECT

public:
    explicit RaceSound(QObject* parent = nullptr);
    ~RaceSound() override;

    // Why no sound can be made here, or nothing when it can.
    std::optional<QString> Unavailable() const { return unavailable_; }

    // Sounds from now on, with one voice per method racing.
    void Start(int voices);
    // A step of the method `voice` touched an item at `share` of the way from the smallest to
    // the largest.
    void Touch(int voice, double share);
    // At once: the tones stop, and what the output still holds is dropped.
    void Silence();

    static constexpr int kSampleRate = 44100;

signals:
    // The output went away while sounding; `reason` says so.
    void Lost(const QString& reason);

private:
    // What the output reads: the tones, rendered as it asks for them.
    class Source : public QIODevice {
    public:
        explicit Source(RaceSound& sound) : sound_(sound) {}
        qint64 readData(char* data, qint64 maxSize) override;
        qint64 writeData(const char*, qint64) override { return -1; }
        // An endless stream: the output must never find its end.
        bool isSequential() const override { return true; }
        qint64 bytesAvailable() const override { return 4096 + QIODevice::bytesAvailable(); }

    private:
        RaceSound& sound_;
    };

    void Watch();
    double Now() const;

    std::optional<QString> unavailable_;
    QMutex mutex_;  // the tones are touched here and rendered where the output reads
    std::unique_ptr<race::StepTones> tones_;
    Source source_{*this};
    QAudioSink* sink_ = nullptr;
    bool sounding_ = false;
    QElapsedTimer clock_;  // when steps come and the output asks for sound
};

}  // namespace race_window
