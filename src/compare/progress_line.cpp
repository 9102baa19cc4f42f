#include "compare/progress_line.h"

#include <cstdio>

namespace compare {

std::string ProgressText(const RunPlan& plan, int pass, double elapsed)
{
    const std::string what = pass == 0 ? std::string("counting") : RepeatInWords(plan, pass);
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.1f s", elapsed);
    return std::string(sorting::MethodName(plan.method)) + ", " + std::string(sorting::OrderName(plan.order)) + ", " +
           std::to_string(plan.count) + " items: " + what + ", " + seconds + " so far of " +
           AboutDuration(plan.estimate);
}

std::string RepeatInWords(const RunPlan& plan, int pass)
{
    return "repeat " + std::to_string(pass) + " of " + std::to_string(plan.repeats);
}

}  // namespace compare
