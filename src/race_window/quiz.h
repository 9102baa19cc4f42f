#pragma once

#include "race/prediction.h"
#include "race/race.h"
#include "race_window/race_mode.h"

#include <QObject>
#include <QString>

#include <array>
#include <optional>
#include <vector>

class QLabel;

namespace race_window {

class AnswerBar;
class CodePane;
class RacePanel;

// What a class does with one method of the race: look at it closely, its code beside the bars
// following each step, and predict its next decision before it is made, each answer scored by
// the kind of question.
class Quiz : public QObject {
    Q_OBJECT

public:
    // The quiz asks its questions in `mode`, the race's, and ends them there.
    Quiz(CodePane* pane, QLabel* score, AnswerBar* answers, RaceMode& mode, QObject* parent);

    // A new race, or new panels: the lane looked at stays so where it still races; the score
    // starts again.
    void Show(race::Race* race, const std::vector<RacePanel*>& panels);
    void LookAt(std::size_t lane);
    void StopLooking();
    std::optional<std::size_t> LookedAt() const { return lookedAt_; }

    bool Predicting() const { return predicting_; }
    bool Asking() const { return mode_.Answering(); }
    void SetPredicting(bool on);
    // The clock at which the race must stop, for the next decision to be asked about; none
    // while there is nothing to ask.
    std::optional<std::uint64_t> Limit() const;
    // The race stands at the limit: the question.
    void Ask();
    // A bar or a copy in the strip clicked, or the bar at the cursor picked: chosen, or taken
    // back.
    void Pick(std::optional<sorting::Index> place);
    void PickAtCursor() { Pick(cursor_); }
    void MoveCursor(int by);
    // An answer that is not a place: given at once (yes or no, less, equal or greater), or
    // chosen and given with Enter (a number).
    void Give(std::int32_t answer);
    void ChooseNumber(std::optional<std::int32_t> number);
    // The answer given: judged, and the race goes on by the decision's steps to show it.
    void Confirm();
    // The code pane after the race moved.
    void Follow();
    // The score starts again, and the line says so.
    void Restarted();
    // Something else was asked for while a question waits: the line says to answer first.
    void AnswerFirst();

    // What the status line says for the quiz now, if anything; taken when the race moves on.
    QString Message() const { return message_; }
    void ClearMessage() { message_.clear(); }

signals:
    // The race is to go on by this many steps: the decision asked about, now answered.
    void Answered(std::uint64_t steps);
    // The quiz's state changed: what the window shows of it is to follow.
    void Changed();

private:
    RacePanel* PanelOf(std::size_t lane) const { return panels_[lane]; }
    const race::Replay& Lane() const { return race_->LaneAt(*lookedAt_); }
    void ShowChoices();
    void EndQuestion();
    void ShowScore();

    CodePane* pane_;
    QLabel* score_;
    AnswerBar* answers_;
    RaceMode& mode_;
    race::Race* race_ = nullptr;
    std::vector<RacePanel*> panels_;
    std::optional<std::size_t> lookedAt_;
    std::string lookedAtKey_;  // to find it again in a new race
    bool predicting_ = false;
    std::optional<race::Question> question_;
    std::vector<sorting::Index> chosen_;
    std::int32_t cursor_ = 1;
    // Of each kind of question, how many were asked, and how many answered right.
    std::array<int, race::kQuestionKindCount> asked_{}, right_{};
    QString message_;
};

}  // namespace race_window
