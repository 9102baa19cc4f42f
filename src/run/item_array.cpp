#include "run/item_array.h"

#include "platform/run_time_error.h"

#include <new>
#include <stdexcept>
#include <string>

namespace run {

namespace {

platform::RunTimeError NotEnoughMemory(std::int32_t numItems)
{
    return platform::RunTimeError(platform::ErrorKind::OutOfMemory,
                                  "There is not enough memory for " + std::to_string(numItems) + " items.");
}

}  // namespace

ItemArray ItemArray::Allocate(std::int32_t numItems)
{
    if (numItems < 0)
        throw platform::RunTimeError(platform::ErrorKind::NegativeCount,
                                     "The number of items must be 0 or more, not " + std::to_string(numItems) + ".");
    ItemArray array;
    try {
        array.items_.resize(static_cast<std::size_t>(numItems) + 1);
    } catch (const std::bad_alloc&) {
        throw NotEnoughMemory(numItems);
    } catch (const std::length_error&) {
        throw NotEnoughMemory(numItems);
    }
    return array;
}

void ItemArray::FillFrom(platform::RandomGenerator& generator)
{
    for (std::size_t i = 1; i < items_.size(); ++i) items_[i] = generator.Rnd();
}

}  // namespace run
