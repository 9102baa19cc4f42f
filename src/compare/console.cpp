#include "compare/console.h"

#include "compare/progress_line.h"

#include <cmath>
#include <cstdio>

namespace compare {

Console::Console(const CompareOptions& options, std::string program, bool progress)
    : csv_(options.csv),
      maxSeconds_(options.maxSeconds),
      budgetSeconds_(options.budgetSeconds),
      layout_(LayoutFor(options)),
      program_(std::move(program)),
      progress_(progress)
{
}

void Console::Heading()
{
    std::fputs((csv_ ? CsvHeading() : TableHeading(layout_)).c_str(), stdout);
    std::fflush(stdout);
}

void Console::Row(const Measurement& row)
{
    ClearProgress();
    running_ = false;
    std::fputs((csv_ ? CsvRow(row) : TableRow(row, layout_)).c_str(), stdout);
    std::fflush(stdout);
    ++rowsWritten_;
    if (row.overBudget)
        SayOverBudget(row);
    else if (row.skipped)
        SayOverLimit(row);
}

void Console::SayOverLimit(const Measurement& row)
{
    char limits[96];
    std::snprintf(limits, sizeof limits, "%g s; to run it, raise the limit: --max-seconds %.0f", maxSeconds_,
                  std::ceil(*row.skipped * 1.2));
    Say("skipped " + std::string(sorting::MethodName(row.method)) + " on " +
        std::string(sorting::OrderName(row.order)) + " items at " + std::to_string(row.count) + ", which would take " +
        AboutDuration(*row.skipped) + ", over the limit of " + limits);
}

void Console::SayOverBudget(const Measurement& row)
{
    char times[128];
    std::snprintf(times, sizeof times,
                  "took %.1f s with its counting run, over the budget of %g s; to go on, raise it: --budget %.0f",
                  row.overBudget->seconds, budgetSeconds_, std::ceil(row.overBudget->seconds + *row.skipped));
    Say(std::string(sorting::MethodName(row.method)) + " grows no further on " +
        std::string(sorting::OrderName(row.order)) + " items: its run at " + std::to_string(row.overBudget->count) +
        " " + times);
}

void Console::RunStarting(const RunPlan& plan, double now)
{
    plan_ = plan;
    pass_ = 1;
    began_ = now;
    running_ = true;
}

void Console::PassStarting(int pass) { pass_ = pass; }

void Console::Redraw(double now)
{
    if (!progress_ || !running_) return;
    std::fprintf(stderr, "\r%s\033[K", ProgressText(plan_, pass_, now - began_).c_str());
    std::fflush(stderr);
    shown_ = true;
}

void Console::ClearProgress()
{
    if (!shown_) return;
    std::fputs("\r\033[K", stderr);
    std::fflush(stderr);
    shown_ = false;
}

void Console::Say(const std::string& text)
{
    ClearProgress();
    std::fprintf(stderr, "%s: %s\n", program_.c_str(), text.c_str());
    std::fflush(stderr);
}

std::string Console::Current() const
{
    if (!running_) return "between runs";
    const std::string pass = pass_ == 0 ? std::string("its counting run") : RepeatInWords(plan_, pass_);
    return "during " + std::string(sorting::MethodName(plan_.method)) + " on " +
           std::string(sorting::OrderName(plan_.order)) + " items at " + std::to_string(plan_.count) + " (" + pass +
           ")";
}

}  // namespace compare
