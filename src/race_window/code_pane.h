#pragma once

#include "race/replay.h"

#include <QFrame>

#include <vector>

class QLabel;
class QPlainTextEdit;

namespace race_window {

// The code of the method a class looks at closely, beside the bars, or a student's script:
// its lines, the line of the current step marked, and the values of the code's variables at
// that step.
class CodePane : public QFrame {
    Q_OBJECT

public:
    explicit CodePane(QWidget* parent = nullptr);

    // The method's code at the lane's current step.
    void Follow(const race::Replay& lane);
    // Lowers the code to `top` pixels below the pane's top, as far as the pane's height allows:
    // beside a tall grid, the code stands level with the panel looked at.
    void StandLevelWith(int top);

    // The line marked (from 1; 0 for none), the lines marked as those it stands within or
    // carries out the call of, and the variables, as shown.
    int MarkedLine() const { return marked_; }
    const std::vector<int>& SurroundingLines() const { return surrounding_; }
    QString VariablesText() const;
    // What a script has printed by the step, its last lines; empty for a method.
    QString PrintedText() const;
    // A script's failure in Python's own words, where it failed so; empty otherwise.
    QString DetailsText() const;

private:
    void FollowScript(const race::ScriptCode& code, std::uint64_t stepsDone);
    void ShowPrinted(const race::ScriptCode* code, std::uint64_t stepsDone);
    QString LinesText(const QStringList& lines) const;

    QLabel* title_;
    QLabel* lines_;
    QLabel* variables_;
    QLabel* details_;  // a failure in Python's own words
    QPlainTextEdit* printed_;
    // What the printed pane shows: of which script, and how many of its lines.
    const race::ScriptCode* printedOf_ = nullptr;
    std::size_t printedShown_ = 0;
    int marked_ = -1;
    std::vector<int> surrounding_;
};

}  // namespace race_window
