// The items a user types, and the tones of the steps.

#include "race/item_list.h"
#include "race/step_tones.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using race::ItemsAsked;
using race::ReadItems;
using race::StepTones;

TEST(ReadItems, TakesACountOrAListInTheUsersOwnFormat)
{
    const std::vector<std::tuple<std::string, char, ItemsAsked>> taken{
        {"100", '.', 100},
        {"  2000 ", '.', 2000},
        {"5 3 8 1 9", '.', std::vector<float>{0, 5, 3, 8, 1, 9}},
        {" 5, 3, 8, 1, 9 ", '.', std::vector<float>{0, 5, 3, 8, 1, 9}},
        {"5,3;8\t1", '.', std::vector<float>{0, 5, 3, 8, 1}},
        {"0.5 2.25 1e2", '.', std::vector<float>{0, 0.5f, 2.25f, 100}},
        {"2,5 3,75", ',', std::vector<float>{0, 2.5f, 3.75f}},
        {"2,5, 3", ',', std::vector<float>{0, 2.5f, 3}},
        {"2.5; 1", ',', std::vector<float>{0, 2.5f, 1}},
        {"2,5 3,", ',', std::vector<float>{0, 2.5f, 3}},
        {"3.4e38 0", '.', std::vector<float>{0, 3.4e38f, 0}},
        {"5\n3\r\n8\r1", '.', std::vector<float>{0, 5, 3, 8, 1}},  // a pasted column
        {"-0 2", '.', std::vector<float>{0, 0, 2}},
    };
    for (const auto& [text, point, expected] : taken) EXPECT_EQ(ReadItems(text, point), expected) << text;
}

TEST(ReadItems, RefusesWhatCannotRaceNamingTheFirstBadEntry)
{
    const auto ones = [](int n, const std::string& last) {
        std::string text;
        for (int i = 0; i < n; ++i) text += "1, ";
        return text + last;
    };
    const std::vector<std::pair<std::string, std::string>> refused{
        {"", "Enter a count from 1 to 2,000"},
        {"abc", "Enter a count from 1 to 2,000"},
        {"0", "Enter a count from 1 to 2,000"},
        {"2001", "Enter a count from 1 to 2,000"},
        {"12.5", "Enter a count from 1 to 2,000"},
        {"5 3 x8 1 y", "\u201cx8\u201d is not a number."},
        {"5 -3 8", "\u201c-3\u201d is negative"},
        {"1 inf", "\u201cinf\u201d is not a number."},
        {"1 3.5e38", "\u201c3.5e38\u201d is too large; an item may be at most 3.4e38."},
        {"1 1e400", "\u201c1e400\u201d is too large"},
        {"1 1e5000", "\u201c1e5000\u201d is too large"},  // too large even to read
        {"1e40", "\u201c1e40\u201d is too large. Enter a count from 1 to 2,000"},
        {ones(2000, "1"), "A list holds 2,000 numbers at the most, not 2001."},
        {ones(1999, "O"), "\u201cO\u201d is not a number."},
    };
    for (const auto& [text, message] : refused) {
        try {
            ReadItems(text, '.');
            ADD_FAILURE() << "taken: " << text.substr(0, 20);
        } catch (const race::ItemsRefused& error) {
            EXPECT_EQ(std::string(error.what()).rfind(message, 0), 0u) << error.what();
        }
    }
}

namespace {

// `seconds` of sound from `start`, in pieces of a hundredth of a second, as an output asks.
std::vector<float> Rendered(StepTones& tones, double seconds, double start = 0)
{
    std::vector<float> samples(static_cast<std::size_t>(seconds * 48000));
    for (std::size_t at = 0; at < samples.size(); at += 480)
        tones.Render(samples.data() + at, std::min<std::size_t>(480, samples.size() - at), start + at / 48000.0);
    return samples;
}

// The frequency of a tone from its upward zero crossings.
double Frequency(const std::vector<float>& samples)
{
    std::vector<std::size_t> rises;
    for (std::size_t i = 1; i < samples.size(); ++i)
        if (samples[i - 1] < 0 && samples[i] >= 0) rises.push_back(i);
    return rises.size() < 2 ? 0 : 48000.0 * double(rises.size() - 1) / double(rises.back() - rises.front());
}

}  // namespace

TEST(StepTones, ThePitchFollowsTheItemFrom120To1200Hz)
{
    EXPECT_DOUBLE_EQ(StepTones::PitchFor(0), 120);
    EXPECT_NEAR(StepTones::PitchFor(1), 1200, 1e-9);
    for (double share : {0.0, 0.3, 0.7, 1.0}) {
        StepTones tones(48000, 1);
        ASSERT_TRUE(tones.Touch(0, share, 0));
        EXPECT_NEAR(Frequency(Rendered(tones, StepTones::kToneSeconds)), StepTones::PitchFor(share),
                    StepTones::PitchFor(share) * 0.03)
            << share;
    }
}

TEST(StepTones, SevenVoicesAtTheirFastestStayBelowFullScaleAndAreThinned)
{
    StepTones tones(48000, 7);
    int started = 0;
    float loudest = 0;
    for (int frame = 0; frame < 120; ++frame) {  // two seconds of frames, each touching every voice
        for (int voice = 0; voice < 7; ++voice)
            for (int step = 0; step < 50; ++step)
                started += tones.Touch(voice, (voice + step % 7) / 13.0, frame / 60.0);
        for (float sample : Rendered(tones, 1.0 / 60, frame / 60.0)) loudest = std::max(loudest, std::abs(sample));
    }
    EXPECT_LE(loudest, StepTones::kHeadroom);
    EXPECT_GT(loudest, 0.05f);
    // A tone a twentieth of a second for each voice, not one per step.
    EXPECT_LE(started, 7 * (2 * StepTones::kTonesPerSecond + 1));
    EXPECT_GE(started, 7 * (2 * StepTones::kTonesPerSecond - 1));
}

TEST(StepTones, AreSilentWhenNothingPlaysAndAtOnceWhenSilenced)
{
    StepTones tones(48000, 2);
    for (float sample : Rendered(tones, 0.1)) ASSERT_EQ(sample, 0.0f);
    tones.Touch(0, 0.5, 0);
    tones.Touch(1, 0.9, 0);
    Rendered(tones, 0.01);
    EXPECT_FALSE(tones.Silent());
    tones.Silence();
    EXPECT_TRUE(tones.Silent());
    for (float sample : Rendered(tones, 0.05)) ASSERT_EQ(sample, 0.0f);
    // A tone rises from silence and falls back to it: its first and last samples are near zero.
    tones.Touch(0, 1.0, 0.05);
    const std::vector<float> tone = Rendered(tones, StepTones::kToneSeconds + 0.02, 0.05);
    EXPECT_LT(std::abs(tone.front()), 0.01f);
    EXPECT_LT(std::abs(tone.back()), 0.01f);
    EXPECT_TRUE(tones.Silent());
}

TEST(StepTones, KeepTheStepsSpacingWhereTheOutputAsksSeldom)
{
    StepTones tones(48000, 1);
    // Steps a tenth of a second apart (longer than a tone, so that silence parts them), sound
    // asked for three tenths at a time, the first time after three steps.
    std::vector<float> sound;
    for (int piece = 0; piece < 4; ++piece) {
        for (int step = 1; step <= 3; ++step) tones.Touch(0, 0.5, piece * 0.3 + step * 0.1 - 0.05);
        std::vector<float> samples(14400);
        tones.Render(samples.data(), samples.size(), piece * 0.3 + 0.3);
        sound.insert(sound.end(), samples.begin(), samples.end());
    }
    std::vector<std::size_t> starts;
    for (std::size_t i = 1; i < sound.size(); ++i)
        if (sound[i - 1] == 0 && sound[i] != 0) starts.push_back(i);
    ASSERT_EQ(starts.size(), 12u);
    for (std::size_t k = 1; k < starts.size(); ++k) EXPECT_NEAR(double(starts[k] - starts[k - 1]), 4800, 10) << k;
}
