#pragma once

#include "compare/comparison.h"
#include "compare/report.h"

#include <optional>
#include <string>

namespace compare {

// What the comparison tool writes as it goes: the rows on standard output, each whole and
// flushed as soon as it is done, and, where standard error is a terminal, one progress line
// there, redrawn in place and cleared before anything else is written.
class Console {
public:
    // Numbers are written with the user's decimal sign.
    Console(const CompareOptions& options, std::string program, bool progress, std::string decimalSeparator = ".");

    void Heading();
    void Row(const Measurement& row);
    void RunStarting(const RunPlan& plan, double now);
    void PassStarting(int pass);
    // Shows the progress line as it stands at `now`.
    void Redraw(double now);
    void ClearProgress();
    // A line on standard error, below the rows so far.
    void Say(const std::string& text);

    int RowsWritten() const { return rowsWritten_; }
    // What runs now, in words, for the last line of an interrupted run.
    std::string Current() const;

private:
    void SayOverLimit(const Measurement& row);
    void SayOverBudget(const Measurement& row);
    std::string Number(double value, int digits) const;
    std::string Limit(double seconds) const;

    bool csv_;
    double maxSeconds_;
    double budgetSeconds_;
    TableLayout layout_;
    std::string program_;
    bool progress_;
    bool shown_ = false;
    std::optional<RunPlan> running_;  // the run under way, if any
    int pass_ = 0;
    double began_ = 0;
    int rowsWritten_ = 0;
};

}  // namespace compare
