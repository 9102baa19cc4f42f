#include "race_window/lesson.h"

#include "desktop/qt_conversions.h"
#include "race_window/code_pane.h"
#include "race_window/race_panel.h"

#include <QLabel>
#include <QLocale>

#include <algorithm>

namespace race_window {
namespace {

QString Items(const std::vector<std::int32_t>& items)
{
    const QLocale locale;
    return items.size() == 2 ? Lesson::tr("items %1 and %2").arg(locale.toString(items[0]), locale.toString(items[1]))
                             : Lesson::tr("item %1").arg(locale.toString(items[0]));
}

}  // namespace

Lesson::Lesson(CodePane* pane, QLabel* score, RaceMode& mode, QObject* parent)
    : QObject(parent), pane_(pane), score_(score), mode_(mode)
{
    pane_->hide();
    ShowScore();
}

void Lesson::Show(race::Race* race, const std::vector<RacePanel*>& panels)
{
    race_ = race;
    panels_ = panels;
    EndQuestion();
    const auto method = lookedAt_;
    lookedAt_.reset();
    if (method && std::count(race->Methods().begin(), race->Methods().end(), *method))
        LookAt(*method);
    else
        StopLooking();
    Restarted();
}

RacePanel* Lesson::PanelOf(sorting::SortMethod method) const
{
    const auto at = std::find(race_->Methods().begin(), race_->Methods().end(), method);
    return panels_[static_cast<std::size_t>(at - race_->Methods().begin())];
}

std::optional<sorting::SortMethod> Lesson::LookedAt() const { return lookedAt_; }

void Lesson::LookAt(sorting::SortMethod method)
{
    if (lookedAt_ == method) return;
    if (lookedAt_) PanelOf(*lookedAt_)->SetLookedAt(false);
    EndQuestion();
    lookedAt_ = method;
    PanelOf(method)->SetLookedAt(true);
    pane_->show();
    Follow();
    emit Changed();
}

void Lesson::StopLooking()
{
    if (lookedAt_) PanelOf(*lookedAt_)->SetLookedAt(false);
    lookedAt_.reset();
    EndQuestion();
    pane_->hide();
    emit Changed();
}

void Lesson::SetPredicting(bool on)
{
    predicting_ = on;
    EndQuestion();
    if (lookedAt_) ShowChoices();
    message_ = !on                           ? QString()
               : !lookedAt_                  ? tr("Click the panel of the method whose moves you will predict.")
               : !race::NextQuestion(Lane()) ? tr("%1 has no exchange or write left to predict.")
                                                   .arg(desktop::ToQString(sorting::MethodTitle(*lookedAt_)))
                                             : QString();
    ShowScore();
    emit Changed();
}

std::optional<std::uint64_t> Lesson::Limit() const
{
    if (!predicting_ || !lookedAt_ || question_) return std::nullopt;
    const auto next = race::NextQuestion(Lane());
    return next ? std::optional(next->step - 1) : std::nullopt;
}

void Lesson::Ask()
{
    question_ = race::NextQuestion(Lane());
    if (!question_) return;
    mode_.Ask();
    chosen_.clear();
    cursor_ = std::clamp(cursor_, 1, race_->NumItems());
    message_ = question_->kind == race::Question::Kind::Exchange ? tr("Which two items does it exchange?")
                                                                 : tr("Which item is written next?");
    ShowChoices();
    emit Changed();
}

void Lesson::Pick(std::optional<std::int32_t> item)
{
    if (!question_) return;
    const std::size_t needed = question_->Choices();
    const auto at = item ? std::find(chosen_.begin(), chosen_.end(), *item) : chosen_.end();
    if (!item)
        message_ = tr("Click one of the bars.");
    else if (at != chosen_.end()) {
        chosen_.erase(at);
        message_ = tr("Item %1 is no longer chosen.").arg(*item);
    } else if (chosen_.size() == needed)
        message_ = needed == 2 ? tr("Two items are chosen: press Enter, or click one to take it back.")
                               : tr("An item is chosen: press Enter, or click it to take it back.");
    else {
        chosen_.push_back(*item);
        message_ = chosen_.size() == needed ? tr("Press Enter to see.") : tr("And the other?");
    }
    ShowChoices();
    emit Changed();
}

void Lesson::MoveCursor(int by)
{
    cursor_ = std::clamp(cursor_ + by, 1, race_->NumItems());
    ShowChoices();
}

void Lesson::Confirm()
{
    if (!question_) return;
    if (chosen_.size() != question_->Choices()) {
        message_ = question_->Choices() == 2 ? tr("Choose two items, then press Enter.")
                                             : tr("Choose an item, then press Enter.");
        emit Changed();
        return;
    }
    ++asked_;
    const bool right = question_->RightAbout(chosen_);
    right_ += right;
    message_ = right ? tr("Right.")
               : question_->kind == race::Question::Kind::Exchange
                   ? tr("Not quite: it exchanges %1.").arg(Items(question_->answer))
                   : tr("Not quite: it writes %1.").arg(Items(question_->answer));
    const std::uint64_t steps = question_->length;
    EndQuestion();
    ShowChoices();
    ShowScore();
    emit Answered(steps);
}

void Lesson::Follow()
{
    if (lookedAt_) pane_->Follow(Lane());
}

void Lesson::Restarted()
{
    const bool scored = asked_ > 0;
    asked_ = right_ = 0;
    EndQuestion();
    if (lookedAt_) ShowChoices();
    if (predicting_ && scored) message_ = tr("The score starts again.");
    ShowScore();
}

void Lesson::AnswerFirst()
{
    message_ = tr("A question waits: choose, then press Enter; or press P to stop predicting.");
    emit Changed();
}

void Lesson::EndQuestion()
{
    question_.reset();  // the one place a question ends
    chosen_.clear();
    mode_.EndQuestion();
}

void Lesson::ShowChoices() { PanelOf(*lookedAt_)->SetChoices(chosen_, question_ ? cursor_ : 0); }

void Lesson::ShowScore()
{
    score_->setVisible(predicting_);
    score_->setText(tr("%1 of %2 right").arg(right_).arg(asked_));
}

}  // namespace race_window
