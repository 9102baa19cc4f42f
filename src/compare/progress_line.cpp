#include "compare/progress_line.h"

#include "platform/format_number.h"
#include "platform/words.h"

namespace compare {

std::string ProgressText(const RunPlan& plan, int pass, double elapsed, const std::string& decimalSeparator)
{
    using platform::Words;
    const std::string what = pass == 0 ? Words("compare", "counting") : RepeatInWords(plan, pass);
    return platform::Fill(
        Words("compare", "%1, %2, %3 items: %4, %5 s so far of %6"),
        {plan.lane.Title(), sorting::OrderTitle(plan.order), std::to_string(plan.count), what,
         platform::FormatNumber(elapsed, 1, {decimalSeparator, ""}), AboutDuration(plan.estimate)});
}

std::string RepeatInWords(const RunPlan& plan, int pass)
{
    return platform::Fill(platform::Words("compare", "repeat %1 of %2"),
                          {std::to_string(pass), std::to_string(plan.repeats)});
}

}  // namespace compare
