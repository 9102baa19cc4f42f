// Feeds any text to the reader of the race's Items field and --items: it refuses with a
// message or gives what a race can hold, a count from 1 to 2,000 or 2 to 2,000 finite items
// none negative, never anything else.

#include "race/item_list.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1) return 0;
    const char decimalPoint = data[0] % 2 ? ',' : '.';
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    try {
        const race::ItemsAsked asked = race::ReadItems(text, decimalPoint);
        if (const auto* count = std::get_if<std::int32_t>(&asked)) {
            if (*count < 1 || *count > 2000) std::abort();
            return 0;
        }
        const auto& items = std::get<std::vector<float>>(asked);
        if (items.size() < 3 || items.size() > 2001) std::abort();
        for (std::size_t i = 1; i < items.size(); ++i)
            if (!std::isfinite(items[i]) || items[i] < 0) std::abort();
    } catch (const race::ItemsRefused& refused) {
        if (std::string(refused.what()).empty()) std::abort();  // a refusal always says why
    }
    return 0;
}
