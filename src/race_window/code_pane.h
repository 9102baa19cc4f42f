#pragma once

#include "race/code_track.h"
#include "race/replay.h"

#include <QFrame>

class QLabel;

namespace race_window {

// The code of the method a class looks at closely, beside the bars: its lines, the line of
// the current step marked, and the values of the code's variables at that step.
class CodePane : public QFrame {
    Q_OBJECT

public:
    explicit CodePane(QWidget* parent = nullptr);

    // The method's code at the lane's current step.
    void Follow(const race::Replay& lane, const race::CodeTrack& track);

    // The line marked (from 1; 0 for none) and the variables, as shown.
    int MarkedLine() const { return marked_; }
    QString VariablesText() const;

private:
    QLabel* title_;
    QLabel* lines_;
    QLabel* variables_;
    int marked_ = -1;
};

}  // namespace race_window
