#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace race {

// The sound of a race: each method a voice, each of its steps a short tone whose pitch follows
// the value of the item the step touches, from 120 Hz for the smallest item to 1,200 Hz for
// the largest, evenly in octaves between. Every tone rises and falls gently, so that none
// clicks. A voice starts at most kTonesPerSecond tones a second, so that at most two of its
// tones sound at once, and each tone is soft enough that all of them together stay below full
// scale. An audio output asks for sound in pieces, now and then: a tone starts as far into the
// next piece as its step came after the last one (or, before the first, as long before it as
// that piece lasts), so that tones keep the steps' spacing from the first on.
class StepTones {
public:
    static constexpr double kLowestHz = 120;
    static constexpr double kHighestHz = 1200;
    static constexpr double kTonesPerSecond = 20;
    static constexpr double kToneSeconds = 0.09;
    static constexpr double kHeadroom = 0.9;  // the loudest the mix can be, of full scale

    StepTones(int sampleRate, int voices);

    // The pitch for an item at `share` of the way from the smallest item (0) to the largest (1).
    static double PitchFor(double share);

    // Starts a tone on `voice` for an item at `share`, unless the voice started one less than a
    // twentieth of a second before `now` (in seconds on any steady clock): faster steps are
    // thinned to that rate. Whether it started.
    bool Touch(int voice, double share, double now);
    // Stops every tone at once.
    void Silence();
    bool Silent() const;

    // The next `frames` samples of the mix, from -1 to 1, asked for at `now`.
    void Render(float* out, std::size_t frames, double now);

private:
    struct Tone {
        double step;             // of the phase, per sample
        double phase;            // in turns
        double touched;          // when its step came
        std::int64_t wait = -1;  // samples before it starts, once placed in a piece
        std::int64_t age = 0;
    };
    struct Voice {
        std::vector<Tone> tones;  // the newest last
        double lastStart = -1e300;
    };

    int sampleRate_;
    std::int64_t length_;  // of a tone, in samples
    double loudness_;      // of one tone
    std::optional<double> renderedAt_;
    std::vector<Voice> voices_;
};

class Race;

// What each method's last step sounds: its voice, and the share of the way from the smallest
// item to the largest of the item the step touched; methods that made no step yet are silent.
std::vector<std::pair<int, double>> LastStepTones(const Race& race);

}  // namespace race
