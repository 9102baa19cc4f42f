#include "run/run_command.h"

#include "animation/bar_redraw.h"
#include "platform/format_number.h"
#include "platform/memory_check.h"
#include "platform/rounding.h"
#include "platform/val.h"
#include "sorting/sort_method.h"
#include "run/verify_order.h"

#include <optional>
#include <utility>

namespace run {
namespace {

// The method the list's index names, if any: the window's methods come first in the table, so
// that a list index is a method.
std::optional<sorting::SortMethod> MethodAt(std::int16_t listIndex)
{
    if (listIndex < 0 || listIndex >= static_cast<std::int16_t>(sorting::kAllMethods.size())) return std::nullopt;
    return static_cast<sorting::SortMethod>(listIndex);
}

// What a run adds to what the program holds: the new items, then what the chosen sort, if any,
// needs beside them (merge sort's scratch array) once the previous items have been let go.
std::uint64_t RunBytes(std::int32_t numItems, std::optional<sorting::SortMethod> method, const ItemArray& previous)
{
    const std::uint64_t items = ItemArray::Bytes(numItems);
    const std::uint64_t scratch = method ? sorting::ExtraBytes(*method, numItems) : 0;
    const std::uint64_t held = previous.Elements().size_bytes();
    return items + (scratch > held ? scratch - held : 0);
}

}  // namespace

RunCommand::RunCommand(const RunControls& controls, const animation::AnimationSettings& settings,
                       platform::OutputSurface& picture, Clock clock, const platform::MemoryGauge& memory)
    : controls_(controls), picture_(picture), clock_(clock), memory_(memory), chart_(picture, settings)
{
}

void RunCommand::FillArray()
{
    // Count, memory and allocation first: a refused count changes nothing, not even the
    // generator. The kernel would promise an array it cannot give and later end the program,
    // so the memory is asked about before the array is.
    const std::int32_t numItems = platform::RoundToInt32(platform::Val(controls_.TextNumText()));
    if (numItems >= 0) {
        platform::RequireMemory(RunBytes(numItems, MethodAt(controls_.SortChoiceListIndex()), theArray_), numItems,
                                memory_, platform::RegionalNumberFormat());
    }
    ItemArray fresh = ItemArray::Allocate(numItems);
    if (controls_.CheckSeedValue() == 1) generator_.FixSeed(platform::Val(controls_.TextSeedText()));
    fresh.FillFrom(generator_);
    theArray_ = std::move(fresh);
}

void RunCommand::ButtonRun_Click()
{
    if (controls_.SortChoiceListIndex() == -1) {
        picture_.Scale();
        picture_.Cls();
        picture_.Print("You must select a sort method.");
        return;
    }
    FillArray();

    double startTime = 0;
    if (controls_.OptionModeValue(RunControls::kMeasure)) {
        picture_.Scale();
        picture_.Cls();
        picture_.Print("(sort in progress)");
        picture_.Refresh();
        startTime = clock_();
    }
    if (controls_.OptionModeValue(RunControls::kVerify)) {
        picture_.Scale();
        picture_.Cls();
        picture_.Refresh();
    }
    if (controls_.OptionModeValue(RunControls::kAnimate)) {
        chart_.PrepareBarChart(NumItems());
        chart_.DrawBars(theArray_.Elements(), 1, NumItems());
    }

    SortWithChoice();

    if (controls_.OptionModeValue(RunControls::kMeasure)) {
        const double endTime = clock_();
        picture_.Cls();
        picture_.Print("time used was " +
                       platform::FormatNumber(endTime - startTime, 2, platform::RegionalNumberFormat()) + " seconds.");
    }
    if (controls_.OptionModeValue(RunControls::kVerify))
        VerifyOrder(theArray_.Elements(), 1, picture_, platform::RegionalNumberFormat());
}

void RunCommand::SortWithChoice()
{
    const std::optional<sorting::SortMethod> method = MethodAt(controls_.SortChoiceListIndex());
    if (!method) return;
    // Whether to animate is decided once per run: the window processes no events during a
    // run, so the answer cannot change, and the plain sorts pay nothing for the question.
    if (controls_.OptionModeValue(RunControls::kAnimate)) {
        animation::BarRedraw redraw(chart_, theArray_.Elements());
        sorting::Sort(*method, theArray_.Elements(), redraw);
    } else {
        sorting::NoObserver plain;
        sorting::Sort(*method, theArray_.Elements(), plain);
    }
}

}  // namespace run
