// Feeds any bytes to the reader of a student's script's report, as its process could send
// them: it must never crash, and a run it accepts as sorted holds the items it was given, in
// order.

#include "script/script_run.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2) return 0;
    const std::size_t count = data[0] % 12 + 1, piece = data[1] % 16 + 1;
    std::vector<float> items(count + 1);
    for (std::size_t i = 1; i <= count; ++i) items[i] = static_cast<float>((i * 7) % 5);
    script::ScriptRun run(items, 64, data[1] & 1);
    const std::string_view report(reinterpret_cast<const char*>(data + 2), size - 2);
    for (std::size_t at = 0; at < report.size(); at += piece) run.Feed(report.substr(at, piece));
    run.Finish();
    if (!run.Failed()) {
        std::vector<float> given(items.begin() + 1, items.end()), now(run.Items().begin() + 1, run.Items().end());
        std::sort(given.begin(), given.end());
        if (now != given) std::abort();
    }
    return 0;
}
