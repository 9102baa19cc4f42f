#include "run/run_command.h"

#include "animation/bar_redraw.h"
#include "platform/format_number.h"
#include "platform/rounding.h"
#include "platform/val.h"
#include "sorting/sort_method.h"
#include "sorting/verify_order.h"

#include <utility>

namespace run {

RunCommand::RunCommand(const RunControls& controls, const animation::AnimationSettings& settings,
                       platform::OutputSurface& picture, Clock clock)
    : controls_(controls), picture_(picture), clock_(clock), chart_(picture, settings)
{
}

void RunCommand::FillArray()
{
    // Count and allocation first: a refused count changes nothing, not even the generator.
    ItemArray fresh = ItemArray::Allocate(platform::RoundToInt32(platform::Val(controls_.TextNumText())));
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
        sorting::VerifyOrder(theArray_.Elements(), 1, picture_, platform::RegionalNumberFormat());
}

void RunCommand::SortWithChoice()
{
    const auto method = static_cast<sorting::SortMethod>(controls_.SortChoiceListIndex());
    // Whether to animate is decided once per run: the window processes no events during a
    // run, so the answer cannot change, and the plain sorts pay nothing for the question.
    if (controls_.OptionModeValue(RunControls::kAnimate)) {
        animation::BarRedraw redraw(chart_, theArray_.Elements());
        sorting::Sort(method, theArray_.Elements(), redraw);
    } else {
        sorting::NoObserver plain;
        sorting::Sort(method, theArray_.Elements(), plain);
    }
}

}  // namespace run
