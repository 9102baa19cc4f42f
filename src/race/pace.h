#pragma once

#include <cstdint>

namespace race {

// The race's speed, in steps per second, on a logarithmic dial of notches: notch 0 is a step
// a second, and every ten notches go ten times as fast, up to 10,000,000 at notch 70.
class Pace {
public:
    static constexpr int kSlowest = 0;
    static constexpr int kFastest = 70;
    static constexpr int kDefault = 30;   // 1,000 steps a second
    static constexpr int kClassroom = 3;  // two steps a second, for a race a class follows
    static constexpr int kNotchesPerDecade = 10;
    // A race of this many items or fewer starts at the classroom's speed.
    static constexpr int kMostFollowed = 20;

    static double StepsPerSecondAt(int notch);
    // Where a race of this many items starts: a few go at the classroom's speed.
    static constexpr bool ForAClass(std::int32_t items) { return items <= kMostFollowed; }
    static constexpr int UsualNotch(std::int32_t items) { return ForAClass(items) ? kClassroom : kDefault; }

    int Notch() const { return notch_; }
    void SetNotch(int notch);
    double StepsPerSecond() const { return StepsPerSecondAt(notch_); }

    // The whole steps due for `seconds` of play; the fraction left over is carried to the
    // next call, so that a slow race still moves at its speed. A pause longer than a tenth of
    // a second counts as a tenth, so that a stalled window does not leap.
    std::uint64_t StepsFor(double seconds);

private:
    int notch_ = kDefault;
    double carried_ = 0;
};

}  // namespace race
