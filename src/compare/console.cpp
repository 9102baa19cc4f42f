#include "compare/console.h"

#include "compare/progress_line.h"
#include "platform/format_number.h"
#include "platform/words.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace compare {

using platform::Fill;
using platform::Words;

Console::Console(const CompareOptions& options, std::string program, bool progress, std::string decimalSeparator)
    : csv_(options.csv),
      maxSeconds_(options.maxSeconds),
      budgetSeconds_(options.budgetSeconds),
      layout_(LayoutFor(options, std::move(decimalSeparator))),
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
    running_.reset();
    std::fputs((csv_ ? CsvRow(row) : TableRow(row, layout_)).c_str(), stdout);
    std::fflush(stdout);
    ++rowsWritten_;
    if (row.overBudget)
        SayOverBudget(row);
    else if (row.skipped)
        SayOverLimit(row);
}

std::string Console::Number(double value, int digits) const
{
    return platform::FormatNumber(value, digits, {layout_.decimalSeparator, ""});
}

// A limit as the user gave it: "60", "0.25".
std::string Console::Limit(double seconds) const
{
    char text[32];
    std::string written(text, std::to_chars(text, text + sizeof text, seconds).ptr);
    if (const std::size_t point = written.find('.'); point != std::string::npos)
        written.replace(point, 1, layout_.decimalSeparator);
    return written;
}

void Console::SayOverLimit(const Measurement& row)
{
    Say(Fill(Words("compare",
                   "skipped %1 on %2 items at %3, which would take %4, over the limit of %5 s; to run it, "
                   "raise the limit: --max-seconds %6"),
             {row.lane.Title(), sorting::OrderTitle(row.order), std::to_string(row.count),
              AboutDuration(*row.skipped), Limit(maxSeconds_), Number(std::ceil(row.skipped->high * 1.2), 0)}));
}

void Console::SayOverBudget(const Measurement& row)
{
    Say(Fill(Words("compare",
                   "%1 grows no further on %2 items: its run at %3 took %4 s with its counting run, "
                   "over the budget of %5 s; to go on, raise it: --budget %6"),
             {row.lane.Title(), sorting::OrderTitle(row.order), std::to_string(row.overBudget->count),
              Number(row.overBudget->seconds, 1), Limit(budgetSeconds_),
              Number(std::ceil(row.overBudget->seconds + row.skipped->high), 0)}));
}

void Console::RunStarting(const RunPlan& plan, double now)
{
    running_ = plan;
    pass_ = 1;
    began_ = now;
}

void Console::PassStarting(int pass) { pass_ = pass; }

void Console::Redraw(double now)
{
    if (!progress_ || !running_) return;
    std::fprintf(stderr, "\r%s\033[K", ProgressText(*running_, pass_, now - began_, layout_.decimalSeparator).c_str());
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
    if (!running_) return Words("compare", "between runs");
    const std::string pass = pass_ == 0 ? Words("compare", "its counting run") : RepeatInWords(*running_, pass_);
    return Fill(
        Words("compare", "during %1 on %2 items at %3 (%4)"),
        {running_->lane.Title(), sorting::OrderTitle(running_->order), std::to_string(running_->count), pass});
}

}  // namespace compare
