#include "platform/available_memory.h"
#include "platform/memory_check.h"
#include "platform/run_time_error.h"
#include "support/error_kind.h"
#include "support/fixed_gauge.h"

#include <gtest/gtest.h>

#include <map>

using platform::ErrorKind;
using testing_support::FixedGauge;
using platform::SystemMemoryGauge;

namespace {

constexpr std::uint64_t kMiB = 1ULL << 20;

// A file system of a few files, as the gauge reads it.
struct FakeFiles {
    std::map<std::string, std::string> files;

    platform::FileReader Reader() const
    {
        return [this](const std::string& path) -> std::optional<std::string> {
            const auto found = files.find(path);
            if (found == files.end()) return std::nullopt;
            return found->second;
        };
    }
};

const char* const kMeminfo = "MemTotal:       24683772 kB\nMemFree:        23201068 kB\nMemAvailable:    4000000 kB\n";

// A machine with both interfaces, as a hybrid system mounts them.
const char* const kMountinfo =
    "31 23 0:28 / /sys/fs/cgroup rw,relatime - tmpfs tmpfs rw,mode=755\n"
    "32 31 0:29 / /sys/fs/cgroup/cpu rw,relatime - cgroup cgroup rw,cpu\n"
    "35 31 0:32 / /sys/fs/cgroup/memory rw,relatime - cgroup cgroup rw,memory\n"
    "41 31 0:38 / /sys/fs/cgroup/unified rw,relatime - cgroup2 cgroup2 rw\n";

}  // namespace

TEST(SystemMemoryGauge, ReadsTheKernelsAvailableMemory)
{
    FakeFiles fake{{{"/proc/meminfo", kMeminfo}}};
    EXPECT_EQ(SystemMemoryGauge(fake.Reader()).AvailableBytes(), 4000000ULL * 1024);
}

TEST(SystemMemoryGauge, KnowsNothingWhereNothingCanBeRead)
{
    FakeFiles none;
    EXPECT_EQ(SystemMemoryGauge(none.Reader()).AvailableBytes(), std::nullopt);
    FakeFiles garbled{{{"/proc/meminfo", "MemAvailable: lots\n"}, {"/proc/self/cgroup", "nonsense"}}};
    EXPECT_EQ(SystemMemoryGauge(garbled.Reader()).AvailableBytes(), std::nullopt);
}

TEST(SystemMemoryGauge, AVersion2LimitLeavesTheRoomUnderIt)
{
    FakeFiles fake{{{"/proc/meminfo", kMeminfo},
                    {"/proc/self/mountinfo", kMountinfo},
                    {"/proc/self/cgroup", "0::/class/laptop\n"},
                    {"/sys/fs/cgroup/unified/class/laptop/memory.max", "1610612736\n"},
                    {"/sys/fs/cgroup/unified/class/laptop/memory.current", "110612736\n"}}};
    EXPECT_EQ(SystemMemoryGauge(fake.Reader()).AvailableBytes(), 1500000000ULL);
}

TEST(SystemMemoryGauge, MaxMeansNoLimitButAnAncestorsLimitBinds)
{
    FakeFiles fake{{{"/proc/meminfo", kMeminfo},
                    {"/proc/self/mountinfo", kMountinfo},
                    {"/proc/self/cgroup", "0::/class/laptop\n"},
                    {"/sys/fs/cgroup/unified/class/laptop/memory.max", "max\n"},
                    {"/sys/fs/cgroup/unified/class/laptop/memory.current", "5000\n"},
                    {"/sys/fs/cgroup/unified/class/memory.max", "3000000\n"},
                    {"/sys/fs/cgroup/unified/class/memory.current", "1000000\n"}}};
    EXPECT_EQ(SystemMemoryGauge(fake.Reader()).AvailableBytes(), 2000000ULL);

    fake.files["/sys/fs/cgroup/unified/class/memory.max"] = "max\n";
    EXPECT_EQ(SystemMemoryGauge(fake.Reader()).AvailableBytes(), 4000000ULL * 1024) << "no limit: the kernel's figure";
}

TEST(SystemMemoryGauge, AVersion1LimitCountsAndTheLeastRoomWins)
{
    FakeFiles fake{{{"/proc/meminfo", kMeminfo},
                    {"/proc/self/mountinfo", kMountinfo},
                    {"/proc/self/cgroup", "4:memory:/school\n1:cpu:/\n0::/\n"},
                    {"/sys/fs/cgroup/memory/school/memory.limit_in_bytes", "1000000000\n"},
                    {"/sys/fs/cgroup/memory/school/memory.usage_in_bytes", "400000000\n"},
                    {"/sys/fs/cgroup/memory/memory.limit_in_bytes", "9223372036854771712\n"},
                    {"/sys/fs/cgroup/memory/memory.usage_in_bytes", "7000000000\n"}}};
    EXPECT_EQ(SystemMemoryGauge(fake.Reader()).AvailableBytes(), 600000000ULL);

    fake.files["/sys/fs/cgroup/memory/school/memory.usage_in_bytes"] = "1200000000\n";
    EXPECT_EQ(SystemMemoryGauge(fake.Reader()).AvailableBytes(), 0u) << "usage over the limit leaves no room";
}

TEST(SystemMemoryGauge, AContainersGroupIsFoundBelowItsMountRoot)
{
    FakeFiles fake{{{"/proc/self/mountinfo", "50 40 0:38 /pod/app /sys/fs/cgroup rw - cgroup2 cgroup2 rw\n"},
                    {"/proc/self/cgroup", "0::/pod/app/worker\n"},
                    {"/sys/fs/cgroup/worker/memory.max", "900\n"},
                    {"/sys/fs/cgroup/worker/memory.current", "100\n"}}};
    EXPECT_EQ(SystemMemoryGauge(fake.Reader()).AvailableBytes(), 800u);
}

TEST(SystemMemoryGauge, ReadsThisMachine)
{
    const auto available = platform::SystemMemory().AvailableBytes();
    ASSERT_TRUE(available.has_value()) << "a Linux machine tells its available memory";
    EXPECT_GT(*available, 0u);
}

namespace {

const platform::NumberFormat kEnglish{".", ",", 3, true, "-"};

}  // namespace

TEST(RequireMemory, TheMarginIs64MiBOrATwentieth)
{
    EXPECT_EQ(platform::WithMargin(0), 64 * kMiB);
    EXPECT_EQ(platform::WithMargin(1000 * kMiB), 1064 * kMiB);
    EXPECT_EQ(platform::WithMargin(2000 * kMiB), 2100 * kMiB);
}

TEST(RequireMemory, EnoughGoesAheadAndOneByteLessIsRefused)
{
    FixedGauge gauge;
    gauge.bytes = platform::WithMargin(1'200'000'000);
    EXPECT_NO_THROW(platform::RequireMemory(1'200'000'000, 300'000'000, gauge, kEnglish));
    *gauge.bytes -= 1;
    EXPECT_EQ(testing_support::ErrorKindOf([&] { platform::RequireMemory(1'200'000'000, 300'000'000, gauge, kEnglish); }),
              ErrorKind::OutOfMemory);
}

TEST(RequireMemory, UnreadableFiguresLetTheRunGoAhead)
{
    FixedGauge gauge;
    EXPECT_NO_THROW(platform::RequireMemory(1ULL << 40, 1, gauge, kEnglish));
}

TEST(RequireMemory, TheMessageSaysWhatIsNeededAndWhatIsAvailable)
{
    FixedGauge gauge;
    gauge.bytes = 1'450'000'000;
    try {
        platform::RequireMemory(2'400'000'004, 300'000'000, gauge, kEnglish);
        FAIL() << "no error";
    } catch (const platform::RunTimeError& error) {
        EXPECT_STREQ(error.what(), "Out of memory");
        EXPECT_EQ(error.detail(), "300,000,000 items need 2.6 GB; 1.4 GB is available.");
    }
}

TEST(RequireMemory, SizesReadInMegabytesOrGigabytes)
{
    EXPECT_EQ(platform::MemoryText(640'000'000, true, kEnglish), "640 MB");
    EXPECT_EQ(platform::MemoryText(640'000'001, true, kEnglish), "641 MB");
    EXPECT_EQ(platform::MemoryText(640'999'999, false, kEnglish), "640 MB");
    EXPECT_EQ(platform::MemoryText(999'900'000, true, kEnglish), "1.0 GB");
    EXPECT_EQ(platform::MemoryText(2'410'000'000, true, kEnglish), "2.5 GB");
    EXPECT_EQ(platform::MemoryText(2'490'000'000, false, kEnglish), "2.4 GB");
    EXPECT_EQ(platform::MemoryText(12'345'000'000, false, {",", ".", 3, true, "-"}), "12,3 GB");
}
