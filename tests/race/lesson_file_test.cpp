// Lesson files and the command line that says the same: every setting comes back as it was
// saved, and a file that is not sound is opened as far as it is, its first problem named.

#include "race/lesson_file.h"
#include "race/race_options.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using race::LessonSettings;
using sorting::SortMethod;

namespace {

LessonSettings EverySetting()
{
    LessonSettings lesson;
    lesson.methods = {SortMethod::Bubble, SortMethod::Merge, SortMethod::Heap};
    lesson.items = race::ItemsAsked(std::vector<float>{0, 5, 3, 8.25f, 1, 0.1f});
    lesson.order = sorting::InitialOrder::NearlySorted;
    lesson.seed = 1234567.5;
    lesson.scripts.push_back(script::ReadScriptFile(SORTING_EXAMPLES "/bubble_sort.py"));
    lesson.speed = 3;
    lesson.zoom = 175;
    lesson.focus = "merge";
    lesson.predict = true;
    lesson.fullScreen = true;
    lesson.step = 42;
    return lesson;
}

}  // namespace

TEST(LessonFile, EverySettingComesBackFromTheFileAndFromTheCommandLine)
{
    const LessonSettings lesson = EverySetting();
    const auto values = race::SettingValues(lesson);
    ASSERT_EQ(values.size(), std::size(race::kSettingNames));
    const race::LessonRead read = race::ReadLesson(race::WriteLesson(lesson, SORTING_EXAMPLES), SORTING_EXAMPLES);
    EXPECT_EQ(read.problem, "");
    EXPECT_EQ(race::SettingValues(read.settings), values);
    EXPECT_EQ(read.settings.items, lesson.items);
    EXPECT_EQ(race::SettingValues(race::ParseRaceOptions(race::SettingArguments(lesson)).lesson), values);
    // The speed is written in steps a second and read back to its notch.
    EXPECT_EQ(values[5].first + " = " + values[5].second, "speed = 2");
    EXPECT_EQ(race::ShellLine({"--items", "5 3 8", "--focus", "it's.py", "--zoom", "150"}),
              "--items '5 3 8' --focus 'it'\\''s.py' --zoom 150");
}

TEST(LessonFile, EveryProblemIsListedTheFirstTwentyByTheirLines)
{
    EXPECT_EQ(race::ReadLesson("sortrace = 1\nzoom = 110\nmethods = heap\nspeed = 0\n", "").problem,
              "line 2: zoom: 100 to 300, in steps of 25\nline 3: methods: a race needs two methods or more\n"
              "line 4: speed: steps a second, from 1 to 10000000");
    // A name mistyped: the methods named rightly race, and the name is said with its nearest.
    const race::LessonRead typo = race::ReadLesson("sortrace = 1\nmethods = bubble,mergee,quick\n", "");
    EXPECT_EQ(typo.problem, "line 2: methods: mergee: did you mean merge?");
    EXPECT_EQ(typo.settings.methods, (std::vector{sorting::SortMethod::Bubble, sorting::SortMethod::Quick}));
    EXPECT_EQ(race::ReadLesson("sortrace = 1\nmethods = heap,bogo\n", "").problem, "line 2: methods: bogo is no method's name");
    std::string many = "sortrace = 1\n";
    for (int i = 0; i < 25; ++i) many += "zoom = 110\n";
    const std::string problem = race::ReadLesson(many, "").problem;
    EXPECT_EQ(std::count(problem.begin(), problem.end(), '\n'), 20);
    EXPECT_TRUE(problem.ends_with("\nline 21: zoom: 100 to 300, in steps of 25\nand 5 more")) << problem;
}

TEST(LessonFile, WhatIsNotSoundIsLeftOutAndTheFirstProblemNamed)
{
    struct Case {
        std::string text, refusal, problem;
        std::optional<int> zoom;
    };
    const std::string big = "sortrace = 1\n# " + std::string(race::kLargestLesson, 'x') + "\n";
    const Case cases[] = {
        {"", "the file is empty", "", {}},
        {" \n\n", "the file is empty", "", {}},
        {big, "larger than 1 MB", "", {}},
        {"sortrace = 1\nzoom = 150\n" + std::string(1, '\0') + "\x01", "it is not text", "", {}},
        {"\xff\xfe\x00z", "it is not text", "", {}},
        {"zoom = 150\nsortrace = 1\n", "its first line is not \"sortrace = 1\"", "", {}},
        {"# notes first\n\nsortrace = 1\nzoom = 150", "", "", 150},
        {"sortrace = 1\nmethods = bubble,bogo\nzoom = 150\nitems = 1 -2\n", "", "line 2: methods: ", 150},
        {"sortrace = 1\nitems = 5 -3\nzoom = 200", "", "line 2: items: ", 200},
        // A lesson reads no file but the scripts in its own folder.
        {"sortrace = 1\nscript = /no/such/sort.py\nzoom = 125", "", "line 2: script: a lesson's script must be", 125},
        {"sortrace = 1\nscript = ../../../../etc/passwd\nzoom = 125", "", "line 2: script: a lesson's script must be",
         125},
        {"sortrace = 1\nzoom = 125\nscript = /proc/self/environ", "", "line 3: script: a lesson's script must be", 125},
        {"sortrace = 1\nscript = no_such.py\nzoom = 125", "", "line 2: script: cannot read", 125},
        {"sortrace = 1\nzoom = 110\n", "", "line 2: zoom: 100 to 300, in steps of 25", {}},
        {"sortrace = 1\nzoom = 150\nspeed = 0\n", "", "line 3: speed: ", 150},
        {"sortrace = 1\nzoom = 150\nzoom = 125x\n", "", "line 3: zoom: ", 150},
        {"sortrace = 1\nzoom = 150\nstep = 12abc\n", "", "line 3: step: ", 150},
        {"sortrace = 1\nzoom = 150\nthis line has no equals", "", "line 3: not a setting", 150},
        {"sortrace = 1\nzoom = 150\nmethods = bubble,mer", "", "line 3: methods: ", 150},
        {"sortrace = 1\nwhat = ever\nzoom = 150", "", "", 150},
        // A refused value leaves what an earlier line set.
        {"sortrace = 1\nzoom = 150\nzoom = 120\norder = sorted\norder = bogus\nmethods = heap", "", "line 3: zoom: ", 150},
    };
    for (const Case& c : cases) {
        try {
            const race::LessonRead read = race::ReadLesson(c.text, "");
            EXPECT_EQ(c.refusal, "") << c.text.substr(0, 60);
            EXPECT_EQ(read.problem.substr(0, c.problem.size()), c.problem) << read.problem;
            EXPECT_EQ(read.problem.empty(), c.problem.empty()) << c.text;
            EXPECT_EQ(read.settings.zoom, c.zoom) << c.text;
        } catch (const race::LessonRefused& refused) {
            EXPECT_NE(c.refusal, "") << c.text.substr(0, 60) << ": " << refused.what();
            EXPECT_NE(std::string(refused.what()).find(c.refusal), std::string::npos) << refused.what();
        }
    }
    const race::LessonRead kept = race::ReadLesson("sortrace = 1\norder = sorted\norder = bogus\nmethods = heap\n", "");
    EXPECT_EQ(kept.settings.order, sorting::InitialOrder::Sorted);
    EXPECT_FALSE(kept.settings.methods);
    // A newer version's lesson opens with what this one knows, and says so.
    const race::LessonRead newer = race::ReadLesson("sortrace = 2\nzoom = 125\nnew-setting = x\n", "");
    EXPECT_TRUE(newer.newer);
    EXPECT_EQ(newer.settings.zoom, 125);
}

TEST(LessonFile, IsWrittenWholeOrNotAtAllAndItsScriptsFoundBesideIt)
{
    const auto folder = std::filesystem::temp_directory_path() / "lesson_file_test";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(SORTING_EXAMPLES "/bubble_sort.py", folder / "mine.py");
    std::ofstream(folder / "class.sortrace") << "sortrace = 1\nscript = mine.py\nfocus = mine.py\n";
    const race::LessonRead read = race::ReadLessonFile((folder / "class.sortrace").string());
    ASSERT_EQ(read.settings.scripts.size(), 1u);
    EXPECT_EQ(read.settings.scripts[0].name, "mine.py");

    race::WriteLessonFile((folder / "again.sortrace").string(), read.settings);
    EXPECT_EQ(race::ReadLessonFile((folder / "again.sortrace").string()).settings.scripts[0].path,
              (folder / "mine.py").string());
    EXPECT_THROW(race::WriteLessonFile((folder / "no" / "such.sortrace").string(), read.settings), race::LessonRefused);
    EXPECT_THROW(race::ReadLessonFile(folder.string()), race::LessonRefused);
    EXPECT_THROW(race::ReadLessonFile("/dev/zero"), race::LessonRefused);
    // Saved by the name it has within the lesson's folder; no link out of it, no fifth script.
    EXPECT_NE(race::WriteLesson(read.settings, folder.string()).find("script = mine.py\n"), std::string::npos);
    std::filesystem::create_symlink(SORTING_EXAMPLES "/bubble_sort.py", folder / "out.py");
    EXPECT_NE(race::ReadLesson("sortrace = 1\nscript = out.py\n", folder.string()).problem.find("must be a .py file"),
              std::string::npos);
    std::filesystem::remove(folder / "out.py");
    std::string fiveScripts = "sortrace = 1\n";
    for (int k = 0; k < 5; ++k) fiveScripts += "script = mine.py\n";
    const race::LessonRead five = race::ReadLesson(fiveScripts, folder.string());
    EXPECT_EQ(five.settings.scripts.size(), race::kMostLessonScripts);
    EXPECT_EQ(five.problem, "line 6: script: a lesson races 4 scripts at the most");
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++files;
    EXPECT_EQ(files, 3u);  // no partial file left behind
    std::filesystem::remove_all(folder);
}
