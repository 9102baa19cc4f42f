// A student's sort run by a real python3, and the reader of what its process sends back.

#include "script/call_filter.h"
#include "script/owned_resources.h"
#include "script/sandbox.h"
#include "script/script_process.h"
#include "sorting/initial_order.h"
#include "support/method_names.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/resource.h>
#include <unistd.h>
#include <fstream>
#include <iostream>

using script::ScriptRun;

namespace {

const std::vector<float> kFive{0, 5, 3, 8, 1, 9};

std::string Source(const std::string& example)
{
    return script::ReadScriptFile(std::string(SORTING_EXAMPLES "/") + example).source;
}

ScriptRun RunSource(const std::string& source, const std::vector<float>& items = kFive,
                    script::ScriptLimits limits = {})
{
    return script::RunScript({"my_sort.py", source}, items, limits, true);
}

bool Sandboxed() { return script::AvailableProtection() == script::Protection::Sandbox; }

void RequirePython()
{
    if (!script::PythonAvailable()) GTEST_SKIP() << "no /usr/bin/python3 here: scripts/setup installs it";
}

}  // namespace

TEST(ScriptReport, EveryLineIsCheckedAgainstTheItems)
{
    // What a process may send, and what each line makes of the run, worked by hand on 5 3 8 1 9.
    struct Case {
        std::string report;
        std::string fault;  // empty: read on
        sorting::SortCounts counts;
    };
    std::string elevenComparisons;
    for (int i = 0; i < 11; ++i) elevenComparisons += "C 1 2\n";
    const std::vector<Case> cases{
        {"C 1 2\nX 1 2\nR 3\n", "", {1, 1, 0, 3, 1}},
        {"A 1 1\nM 2 1\nM -2 2\n", "", {0, 0, 0, 2, 0}},              // 5 set aside, 3 written over it, 5 back
        {"C 1 6\n", "sent a line it cannot have made: C 1 6", {}},    // no item 6
        {"M -2 1\n", "sent a line it cannot have made: M -2 1", {}},  // entry 1 holds nothing
        {"A 2 1\n", "sent a line it cannot have made: A 2 1", {}},    // item 2 is not the one first at 1
        {"X 3 3\n", "sent a line it cannot have made: X 3 3", {}},
        {"C 1 2 3\n", "sent a line it cannot have made: C 1 2 3", {}},
        {"Q\n", "sent a line it cannot have made: Q", {}},
        {"V 1x 3\n", "sent a line it cannot have made: 1x", {}},
        {"V i 3; rm\n", "sent a line it cannot have made: i", {}},
        {std::string(600, 'C'), "sent a line too long to read", {}},
        {elevenComparisons, "stopped after 10 steps", {10, 0, 0, 0, 0}},
        {"F limit\n", "stopped after 10 steps", {}},
        {"F ok 0.1\n", "not in order: items 1 and 2", {}},
        {"A 4 4\nM 1 4\nF ok 0.1\n", "lost items: missing 1; there more than once: 5 (2 times)", {0, 0, 0, 1, 0}},
        {"M 2 1\nM -2 2\n", "sent a line it cannot have made: M -2 2", {0, 0, 0, 1, 0}},  // 3 was not set aside
        {"F error 3 ZeroDivisionError: division by zero\n", "divided by zero", {}},
        {"F ok nan\n", "sent seconds it cannot have measured", {}},
        {"F ok inf\n", "sent seconds it cannot have measured", {}},
        {"F ok -5\n", "sent seconds it cannot have measured", {}},
    };
    for (const Case& c : cases) {
        ScriptRun run(kFive, 10, false);
        run.Feed(c.report);
        run.Finish();
        EXPECT_EQ(run.End().message, c.fault.empty() ? "ended without a word: its process stopped" : c.fault)
            << c.report;
        EXPECT_EQ(run.Counts().comparisons, c.counts.comparisons) << c.report;
        EXPECT_EQ(run.Counts().moves, c.counts.moves) << c.report;
    }
    // Python's own words stay, for the details and the teacher's table.
    ScriptRun python(kFive, 10, false);
    python.Feed("F error 3 ZeroDivisionError: division by zero\n");
    EXPECT_EQ(python.End().details, "ZeroDivisionError: division by zero");
    ScriptRun split(kFive, 10, false);
    // Each two items that end side by side compared, as a sort must, then two exchanges.
    for (char byte : std::string("C 4 2\nC 2 1\nC 1 3\nC 3 5\nX 1 4\nX 3 4\nF ok 0.25\n"))
        split.Feed(std::string_view(&byte, 1));
    EXPECT_FALSE(split.Failed()) << split.End().message;
    EXPECT_EQ(split.End().seconds, 0.25);
}

TEST(Script, TheExampleBubbleSortCountsAsTheProgramsOwnOnEveryOrder)
{
    RequirePython();
    const std::string bubble = Source("bubble_sort.py");
    for (sorting::InitialOrder order : sorting::kInitialOrders) {
        std::vector<float> items = sorting::MakeItems(40, 3, order);
        const ScriptRun run = RunSource(bubble, items);
        ASSERT_FALSE(run.Failed()) << run.End().message;
        sorting::CountingObserver own;
        sorting::Sort(sorting::SortMethod::Bubble, items, own);
        EXPECT_EQ(run.Counts().comparisons, own.counts.comparisons) << sorting::OrderName(order);
        EXPECT_EQ(run.Counts().exchanges, own.counts.exchanges) << sorting::OrderName(order);
        EXPECT_EQ(run.Counts().moves, own.counts.moves) << sorting::OrderName(order);
        EXPECT_EQ(run.Items(), items);
    }
    // A local number too long for Python to write out is not shown, and the sort goes on.
    const std::string huge = "def sort(a):\n    huge = 10 ** 5000\n" + bubble.substr(bubble.find("def sort(a):\n") + 13);
    EXPECT_FALSE(RunSource(huge).Failed()) << RunSource(huge).End().message;
}

TEST(Script, TellsWhetherEqualItemsKeptTheirOrder)
{
    RequirePython();
    const std::string insertion =
        "def sort(a):\n"
        "    for i in range(1, len(a)):\n"
        "        x = a[i]\n"
        "        j = i\n"
        "        while j > 0 and a[j - 1] > x:\n"
        "            a[j] = a[j - 1]\n"
        "            j -= 1\n"
        "        a[j] = x\n";
    const std::string selection =
        "def sort(a):\n"
        "    for i in range(len(a) - 1):\n"
        "        m = min(range(i, len(a)), key=lambda k: a[k])\n"
        "        a[i], a[m] = a[m], a[i]\n";
    const std::vector<float> fours{0, 3, 4, 2, 4, 1};
    const ScriptRun stable = RunSource(insertion, fours), unstable = RunSource(selection, fours);
    ASSERT_FALSE(stable.Failed()) << stable.End().message;
    ASSERT_FALSE(unstable.Failed()) << unstable.End().message;
    EXPECT_EQ(stable.KeptOrderOfEquals(), true);
    EXPECT_EQ(unstable.KeptOrderOfEquals(), false);
    // Insertion by hand on 3 4 2 4 1: 1 + 2 + 1 + 4 comparisons, and the moves are the writes.
    EXPECT_EQ(stable.Counts().comparisons, 8);
    EXPECT_EQ(stable.Counts().moves, 8);
    EXPECT_EQ(stable.Counts().exchanges, 0);
    // The code pane's notes: the first comparison comes from the while line, at i = 1, j = 1.
    const auto atFirst = stable.Notes().At(1);
    std::vector<std::string> first{"L" + std::to_string(atFirst.line)};
    for (const auto& [name, value] : atFirst.numbers) first.push_back(name + "=" + value);
    EXPECT_EQ(first, (std::vector<std::string>{"L5", "i=1", "j=1"}));
}

TEST(Script, EachFailureEndsInItsMessage)
{
    RequirePython();
    struct Case {
        std::string source;
        std::string message;  // how the message begins
        int line;
        double seconds = 2;  // filling a gibibyte takes seconds on a slow machine: not what is tested
    };
    const auto home = script::ScratchFolder::Make("sorting-home-");
    ASSERT_TRUE(home);
    std::ofstream(home->Path() + "/secret") << "a file of the user's own\n";
    const std::vector<Case> cases{
        {"def sort(a)\n    pass\n", "is not written as Python reads it", 1},
        {"def sort(a):\n    x = 1\n    return x / 0\n", "divided by zero", 3},
        {"def sort(a):\n    while a[0] < a[1] or True:\n        pass\n", "stopped after 1000 steps", 0},
        {"def sort(a):\n    while True:\n        pass\n", "did not finish within 2 s: is there a loop that never ends?", 0},
        {Source("lost_item.py"),
         "lost items: missing 3, 1; there more than once: 5 (3 times) (line 9 wrote over the 3, which never came back)", 0},
        {"def sort(a):\n    a[0] = a[1]\n", "lost items: missing 5; there more than once: 3 (2 times)", 0},
        {"def sort(a):\n    a[0], a[1] = a[1], a[0]\n    a[2] = a[2]\n    a[3] = a[4]\n    a[4] = a[3]\n",
         "lost items: missing 1; there more than once: 9 (2 times)", 0},
        {"def sort(a):\n    a.reverse()\n", "asked a value for something it does not have", 2},
        {"import os\ndef sort(a):\n    os.write(3, b'C 1 9\\n')\n", "sent a line it cannot have made: C 1 9", 0},
        {"import os\ndef sort(a):\n    while True:\n        os.write(3, b'L 1\\n' * 4096)\n",
         "sent more notes than its steps can have made", 0},
        {"import os\ndef sort(a):\n    os._exit(0)\n", "ended early, before its sort was done: its process exited with status 0",
         0},
        // Counts forged: the values read behind the tracer's back, or its comparisons undone.
        {"def sort(a):\n    a[:] = sorted(a, key=lambda x: x.value)\n",
         "ended in order, but never compared the 1 and the 3 that end side by side", 0},
        {"import __main__\ndef sort(a):\n    __main__.TRACER.compare = lambda x, y: None\n    a[:] = sorted(a)\n",
         "ended in order, but never compared the 1 and the 3", 0},
        {"def sort(a):\n    b = []\n    while True:\n        b.append(bytearray(1 << 24))\n", "used more memory than a sort may", 4, 60},
        {"def sort(a):\n    open('" + home->Path() + "/secret').read()\n",
         "tried to open a file; a sort only needs the list it is given", 2},
        {"def sorted_items(a):\n    pass\n", "has no function sort(a)", 0},
        // Its input, its two outputs, the report, and the listing's own: nothing of the program's.
        {"import os\ndef sort(a):\n    raise RuntimeError(sorted(os.listdir('/proc/self/fd')))\n",
         "RuntimeError: ['0', '1', '2', '3', '4']", 3},
    };
    for (const Case& c : cases) {
        const ScriptRun run = RunSource(c.source, kFive, {.steps = 1000, .seconds = c.seconds});
        EXPECT_TRUE(run.Failed()) << c.source;
        EXPECT_EQ(run.End().message.substr(0, c.message.size()), c.message) << c.source << run.End().message;
        EXPECT_EQ(run.End().line, c.line) << c.source;
        // A run past any sort's end keeps no step: the race is as long as its methods.
        if (c.message.starts_with("stopped") || c.message.starts_with("did not") || c.message.starts_with("sent more")) {
            EXPECT_TRUE(run.Steps().empty() && run.Notes().Count() == 0) << c.source;
        }
    }
}

TEST(Script, StartsWithNoSignalBlockedAndWithoutPrivileges)
{
    RequirePython();
    // As the comparison tool runs it: with the interrupts blocked in the thread that starts it.
    sigset_t interrupts, before;
    sigemptyset(&interrupts);
    sigaddset(&interrupts, SIGINT);
    sigaddset(&interrupts, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &interrupts, &before);
    const ScriptRun run = RunSource(
        "def sort(a):\n    s = dict(l.split(':') for l in open('/proc/self/status').read().splitlines())\n"
        "    raise RuntimeError((s['SigBlk'].strip(), s['CapEff'].strip()))\n");
    pthread_sigmask(SIG_SETMASK, &before, nullptr);
    // Root keeps no capability inside the sandbox.
    const std::string capabilities = Sandboxed() || getuid() != 0 ? "0000000000000000" : "000001ffffffffff";
    EXPECT_EQ(run.End().message, "RuntimeError: ('0000000000000000', '" + capabilities + "')");
}

TEST(Script, LeavesNoDescriptorNorFolderWhereNoProcessCanStart)
{
    RequirePython();
    script::AvailableProtection();  // asked once, before the descriptors run short
    script::CallFilter();
    const auto temporary = script::ScratchFolder::Make("sorting-tmp-");
    ASSERT_TRUE(temporary);
    ASSERT_EQ(setenv("TMPDIR", temporary->Path().c_str(), 1), 0);
    const std::string source = Source("bubble_sort.py");
    const auto lowestFree = [] {
        const int fd = dup(0);
        close(fd);
        return fd;
    };
    const int lowest = lowestFree();
    ASSERT_EQ(fcntl(lowest + 1, F_GETFD), -1) << "two free descriptors in a row";
    // Room for the first pipe and the folder, none for the second pipe.
    rlimit before{};
    getrlimit(RLIMIT_NOFILE, &before);
    const rlimit scarce{static_cast<rlim_t>(lowest + 2), before.rlim_max};
    setrlimit(RLIMIT_NOFILE, &scarce);
    const ScriptRun run = RunSource(source);
    setrlimit(RLIMIT_NOFILE, &before);
    unsetenv("TMPDIR");
    EXPECT_EQ(run.End().message, "cannot run: no process could be started");
    EXPECT_EQ(lowestFree(), lowest);
    EXPECT_TRUE(std::filesystem::is_empty(temporary->Path()));
}

TEST(ScriptNotes, StandAtEachStepAsTheNotesBeforeItSayAcrossTheirCheckpoints)
{
    // Three thousand notes, past two checkpoints: the line at step s is s / 2 + 1, i counts
    // the steps, and j is there at the odd steps only.
    script::ScriptNotes notes;
    for (std::uint64_t step = 0; step < 1000; ++step) {
        notes.Line(step, static_cast<int>(step / 2 + 1));
        notes.Number(step, "i", std::to_string(step));
        notes.Number(step, "j", step % 2 ? std::optional<std::string_view>("1.5") : std::nullopt);
    }
    ASSERT_EQ(notes.Count(), 3000u);
    for (std::uint64_t done : {1u, 2u, 341u, 342u, 683u, 999u, 1000u}) {
        const auto now = notes.At(done);
        const std::uint64_t step = done - 1;
        EXPECT_EQ(now.line, static_cast<int>(step / 2 + 1)) << done;
        std::vector<std::pair<std::string, std::string>> numbers{{"i", std::to_string(step)}};
        if (step % 2) numbers.emplace_back("j", "1.5");
        EXPECT_EQ(now.numbers, numbers) << done;
    }
    EXPECT_EQ(notes.At(0).line, 0);
    for (std::size_t n = 2; n < script::ScriptNotes::kMostNames; ++n) notes.Number(1000, "v" + std::to_string(n), "0");
    EXPECT_FALSE(notes.Number(1000, "one_too_many", "0"));
}
