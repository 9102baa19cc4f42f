#include "race_window/quiz.h"

#include "desktop/qt_conversions.h"
#include "race_window/answer_bar.h"
#include "race_window/code_pane.h"
#include "race_window/question_words.h"
#include "race_window/race_panel.h"

#include <QLabel>
#include <QStringList>

#include <algorithm>

namespace race_window {

using Form = race::Question::Form;

Quiz::Quiz(CodePane* pane, QLabel* score, AnswerBar* answers, RaceMode& mode, QObject* parent)
    : QObject(parent), pane_(pane), score_(score), answers_(answers), mode_(mode)
{
    pane_->hide();
    ShowScore();
}

void Quiz::Show(race::Race* race, const std::vector<RacePanel*>& panels)
{
    race_ = race;
    panels_ = panels;
    EndQuestion();
    const auto again = lookedAt_ ? race->FindLane(lookedAtKey_) : std::nullopt;
    lookedAt_.reset();
    if (again)
        LookAt(*again);
    else
        StopLooking();
    Restarted();
}

void Quiz::LookAt(std::size_t lane)
{
    if (lookedAt_ == lane) return;
    if (lookedAt_) PanelOf(*lookedAt_)->SetLookedAt(false);
    EndQuestion();
    lookedAt_ = lane;
    lookedAtKey_ = race_->SourceOf(lane).Key();
    PanelOf(lane)->SetLookedAt(true);
    pane_->show();
    Follow();
    emit Changed();
}

void Quiz::StopLooking()
{
    if (lookedAt_) PanelOf(*lookedAt_)->SetLookedAt(false);
    lookedAt_.reset();
    EndQuestion();
    pane_->hide();
    emit Changed();
}

void Quiz::SetPredicting(bool on)
{
    predicting_ = on;
    EndQuestion();
    if (lookedAt_) ShowChoices();
    message_ = !on          ? QString()
               : !lookedAt_ ? tr("Click the panel of the method whose moves you will predict.")
               : !race::NextAsked(Lane())
                   ? tr("%1 has no decision left to predict.").arg(QString::fromStdString(race_->Title(*lookedAt_)))
                   : QString();
    ShowScore();
    emit Changed();
}

std::optional<std::uint64_t> Quiz::Limit() const
{
    if (!predicting_ || !lookedAt_ || question_) return std::nullopt;
    const auto next = race::NextAsked(Lane());
    return next ? std::optional(*next - 1) : std::nullopt;
}

void Quiz::Ask()
{
    question_ = race::AskNow(Lane());
    if (!question_) return;
    mode_.Ask();
    chosen_.clear();
    cursor_ = std::clamp(cursor_, 1, race_->NumItems());
    message_ = QuestionText(*question_);
    answers_->Offer(question_->HowAnswered(), race_->NumItems() - 1);
    ShowChoices();
    emit Changed();
}

void Quiz::Pick(std::optional<sorting::Index> place)
{
    if (!question_) return;
    const Form form = question_->HowAnswered();
    const std::size_t needed = form == Form::TwoPlaces ? 2 : 1;
    const auto at = place ? std::find(chosen_.begin(), chosen_.end(), *place) : chosen_.end();
    if (form == Form::YesNo || form == Form::Side || form == Form::Number)
        message_ = tr("Answer with the buttons below.");
    else if (!place)
        message_ = form == Form::Value ? tr("Click a bar or a copy in the strip.") : tr("Click one of the bars.");
    else if (at != chosen_.end()) {
        chosen_.erase(at);
        message_ = sorting::IsScratch(*place) ? tr("The copy is no longer chosen.")
                                              : tr("Item %1 is no longer chosen.").arg(*place);
    } else if (chosen_.size() == needed)
        message_ = needed == 2 ? tr("Two items are chosen: press Enter, or click one to take it back.")
                               : tr("An item is chosen: press Enter, or click it to take it back.");
    else {
        chosen_.push_back(*place);
        message_ = chosen_.size() == needed ? tr("Press Enter to see.") : tr("And the other?");
    }
    ShowChoices();
    emit Changed();
}

void Quiz::MoveCursor(int by)
{
    cursor_ = std::clamp(cursor_ + by, 1, race_->NumItems());
    ShowChoices();
}

void Quiz::Give(std::int32_t answer)
{
    if (!question_) return;
    chosen_ = {answer};
    Confirm();
}

void Quiz::ChooseNumber(std::optional<std::int32_t> number)
{
    chosen_.clear();
    if (number) chosen_.push_back(*number);
}

void Quiz::Confirm()
{
    if (!question_) return;
    const Form form = question_->HowAnswered();
    if (chosen_.size() != (form == Form::TwoPlaces ? 2u : 1u)) {
        message_ = form == Form::TwoPlaces                     ? tr("Choose two items, then press Enter.")
                   : form == Form::Number                      ? tr("Choose a bucket, then press Enter.")
                   : form == Form::YesNo || form == Form::Side ? tr("Answer with the buttons below.")
                                                               : tr("Choose an item, then press Enter.");
        emit Changed();
        return;
    }
    const auto kind = static_cast<std::size_t>(question_->kind);
    const bool right = question_->RightAbout(chosen_, Lane());
    ++asked_[kind];
    right_[kind] += right;
    message_ = right ? tr("Right.") : RightAnswerText(*question_, Lane());
    const std::uint64_t steps = question_->length;
    EndQuestion();
    ShowChoices();
    ShowScore();
    emit Answered(steps);
}

void Quiz::Follow()
{
    if (lookedAt_) pane_->Follow(Lane());
}

void Quiz::Restarted()
{
    const bool scored = std::count(asked_.begin(), asked_.end(), 0) < int(asked_.size());
    asked_.fill(0);
    right_.fill(0);
    EndQuestion();
    if (lookedAt_) ShowChoices();
    if (predicting_ && scored) message_ = tr("The score starts again.");
    ShowScore();
}

void Quiz::AnswerFirst()
{
    message_ = tr("A question waits: choose, then press Enter; or press P to stop predicting.");
    emit Changed();
}

void Quiz::EndQuestion()
{
    question_.reset();  // the one place a question ends
    chosen_.clear();
    answers_->Offer(std::nullopt);
    mode_.EndQuestion();
}

void Quiz::ShowChoices()
{
    // The arrow keys' cursor only where places are the answer.
    const bool onBars = question_ && question_->HowAnswered() <= Form::Value;
    PanelOf(*lookedAt_)
        ->SetChoices(question_ ? question_->about : std::vector<std::int32_t>{}, chosen_, onBars ? cursor_ : 0);
}

// The score of each kind asked, as the method looked at may ask two kinds and a class may
// look at several methods in a lesson.
void Quiz::ShowScore()
{
    QStringList kinds;
    for (std::size_t kind = 0; kind < race::kQuestionKindCount; ++kind)
        if (asked_[kind] > 0)
            kinds << tr("%1: %2 of %3 right")
                         .arg(KindName(static_cast<race::Question::Kind>(kind)))
                         .arg(right_[kind])
                         .arg(asked_[kind]);
    score_->setVisible(predicting_);
    score_->setText(kinds.isEmpty() ? tr("0 of 0 right") : kinds.join("; "));
}

}  // namespace race_window
