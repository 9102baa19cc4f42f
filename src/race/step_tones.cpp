#include "race/step_tones.h"

#include "race/race.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace race {
namespace {

// The envelope: a quarter of a sine up over the first tenth of the tone, then half a cosine
// down to nothing at its end, so that a tone starts and stops without a step in the wave.
double Envelope(std::int64_t age, std::int64_t length)
{
    const double t = static_cast<double>(age) / static_cast<double>(length);
    if (t >= 1) return 0;
    if (t < 0.1) return std::sin(t / 0.1 * std::numbers::pi / 2);
    return 0.5 * (1 + std::cos((t - 0.1) / 0.9 * std::numbers::pi));
}

}  // namespace

StepTones::StepTones(int sampleRate, int voices)
    : sampleRate_(sampleRate),
      length_(static_cast<std::int64_t>(kToneSeconds * sampleRate)),
      loudness_(kHeadroom / (2.0 * std::max(voices, 1))),
      voices_(static_cast<std::size_t>(std::max(voices, 1)))
{
}

double StepTones::PitchFor(double share)
{
    return kLowestHz * std::pow(kHighestHz / kLowestHz, std::clamp(share, 0.0, 1.0));
}

bool StepTones::Touch(int voice, double share, double now)
{
    if (voice < 0 || voice >= static_cast<int>(voices_.size())) return false;
    Voice& v = voices_[static_cast<std::size_t>(voice)];
    // A hair's breadth of slack, so that touches exactly a twentieth apart all sound.
    if (now - v.lastStart < (1 - 1e-9) / kTonesPerSecond) return false;
    v.tones.push_back({PitchFor(share) / sampleRate_, 0, now});
    // Tones left waiting long, where the output asks for sound seldom, give way to newer ones.
    if (v.tones.size() > 4) v.tones.erase(v.tones.begin());
    v.lastStart = now;
    return true;
}

void StepTones::Silence()
{
    for (Voice& v : voices_) v.tones.clear();
}

bool StepTones::Silent() const
{
    return std::all_of(voices_.begin(), voices_.end(), [](const Voice& v) { return v.tones.empty(); });
}

void StepTones::Render(float* out, std::size_t frames, double now)
{
    std::fill(out, out + frames, 0.0f);
    // The time this piece stands for begins where the last one ended.
    const double from = renderedAt_.value_or(now - static_cast<double>(frames) / sampleRate_);
    for (Voice& v : voices_) {
        for (Tone& tone : v.tones) {
            if (tone.wait < 0) tone.wait = std::max<std::int64_t>(0, std::llround((tone.touched - from) * sampleRate_));
            const auto waited = static_cast<std::size_t>(std::min<std::int64_t>(tone.wait, std::int64_t(frames)));
            tone.wait -= static_cast<std::int64_t>(waited);
            for (std::size_t i = waited; i < frames && tone.age < length_; ++i, ++tone.age) {
                out[i] += static_cast<float>(loudness_ * Envelope(tone.age, length_) *
                                             std::sin(2 * std::numbers::pi * tone.phase));
                tone.phase += tone.step;
                tone.phase -= std::floor(tone.phase);
            }
        }
        std::erase_if(v.tones, [this](const Tone& t) { return t.age >= length_; });
    }
    renderedAt_ = now;
}

std::vector<std::pair<int, double>> LastStepTones(const Race& race)
{
    std::vector<std::pair<int, double>> tones;
    const double low = race.Smallest(), span = race.Largest() - race.Smallest();
    for (std::size_t m = 0; m < race.Methods().size(); ++m) {
        const Replay& lane = race.Lane(race.Methods()[m]);
        const StepSeen step = lane.LastStep();
        if (step.kind == StepSeen::Kind::None) continue;
        // Element 0 is no item; a scratch entry holds one.
        const double value = lane.ValueAt(step.first != 0 ? step.first : step.second);
        tones.emplace_back(static_cast<int>(m), span > 0 ? (value - low) / span : 0.5);
    }
    return tones;
}

}  // namespace race
