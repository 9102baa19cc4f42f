#pragma once

#include "race/prediction.h"
#include "race/race.h"
#include "race_window/race_mode.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class QLabel;

namespace race_window {

class CodePane;
class RacePanel;

// What a class does with one method of the race: look at it closely, its code beside the bars
// following each step, and predict its next move before it is made, each answer scored.
class Lesson : public QObject {
    Q_OBJECT

public:
    // The lesson asks its questions in `mode`, the race's, and ends them there.
    Lesson(CodePane* pane, QLabel* score, RaceMode& mode, QObject* parent);

    // A new race, or new panels: the method looked at stays so where it still races; the
    // score starts again.
    void Show(race::Race* race, const std::vector<RacePanel*>& panels);
    void LookAt(sorting::SortMethod method);
    void StopLooking();
    std::optional<sorting::SortMethod> LookedAt() const;

    bool Predicting() const { return predicting_; }
    bool Asking() const { return mode_.Answering(); }
    void SetPredicting(bool on);
    // The clock at which the race must stop, for the next move to be asked about; none while
    // there is nothing to ask.
    std::optional<std::uint64_t> Limit() const;
    // The race stands at the limit: the question.
    void Ask();
    // A bar clicked, or the one at the cursor picked: chosen, or taken back.
    void Pick(std::optional<std::int32_t> item);
    void PickAtCursor() { Pick(cursor_); }
    void MoveCursor(int by);
    // The answer given: judged, and the race goes on by the move's steps to show it.
    void Confirm();
    // The code pane after the race moved.
    void Follow();
    // The score starts again, and the line says so.
    void Restarted();
    // Something else was asked for while a question waits: the line says to answer first.
    void AnswerFirst();

    // What the status line says for the lesson now, if anything; taken when the race moves on.
    QString Message() const { return message_; }
    void ClearMessage() { message_.clear(); }

signals:
    // The race is to go on by this many steps: the move asked about, now answered.
    void Answered(std::uint64_t steps);
    // The lesson's state changed: what the window shows of it is to follow.
    void Changed();

private:
    RacePanel* PanelOf(sorting::SortMethod method) const;
    const race::Replay& Lane() const { return race_->Lane(*lookedAt_); }
    void ShowChoices();
    void EndQuestion();
    void ShowScore();

    CodePane* pane_;
    QLabel* score_;
    RaceMode& mode_;
    race::Race* race_ = nullptr;
    std::vector<RacePanel*> panels_;
    std::optional<sorting::SortMethod> lookedAt_;
    bool predicting_ = false;
    std::optional<race::Question> question_;
    std::vector<std::int32_t> chosen_;
    std::int32_t cursor_ = 1;
    int asked_ = 0;
    int right_ = 0;
    QString message_;
};

}  // namespace race_window
