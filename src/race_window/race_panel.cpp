#include "race_window/race_panel.h"

#include "desktop/qt_conversions.h"
#include "race_window/step_marks.h"

#include <QHelpEvent>
#include <QKeyEvent>

#include <algorithm>
#include <cmath>

namespace race_window {

RacePanel::RacePanel(std::size_t lane, std::optional<sorting::SortMethod> method, const QString& title, QWidget* parent)
    : QWidget(parent), lane_(lane), method_(method)
{
    // A script's panel by its place among the scripts, as its file's name may be anything.
    setObjectName(method ? "Panel" + desktop::ToQString(sorting::MethodName(*method)) : "PanelScript");
    setAccessibleName(title);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A click or Tab gives the race the keyboard.
    setFocusPolicy(Qt::StrongFocus);
    FollowFont();
}

void RacePanel::Show(race::Race* race)
{
    race_ = race;
    shownText_.clear();
    shownStep_ = {};
    shownPart_ = race_ ? race::WorkingPartOf(Lane()) : race::WorkingPart{};
    Relayout();
    UpdateDescription();
    update();
}

void RacePanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Relayout();
}

void RacePanel::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    emit Pressed(PlaceAt(event->position().toPoint()));
}

void RacePanel::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit Activated();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool RacePanel::event(QEvent* event)
{
    if (event->type() == QEvent::FontChange) {
        FollowFont();
        updateGeometry();
        Relayout();
        update();
    }
    if (event->type() == QEvent::ToolTip && race_) return ShowToolTip(static_cast<QHelpEvent*>(event));
    return QWidget::event(event);
}

void RacePanel::SetLookedAt(bool lookedAt)
{
    lookedAt_ = lookedAt;
    update();
}

void RacePanel::SetChoices(const std::vector<std::int32_t>& about, const std::vector<sorting::Index>& chosen,
                           std::int32_t cursor)
{
    about_ = about;
    chosen_ = chosen;
    cursor_ = cursor;
    update();
}

void RacePanel::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void RacePanel::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

void RacePanel::UpdateMarked(const race::StepSeen& step)
{
    for (const Mark& mark : MarksOf(step))
        update(sorting::IsScratch(mark.place) ? AsideArea() : MarkArea(static_cast<std::int32_t>(mark.place)));
}

void RacePanel::Refresh()
{
    if (!race_) return;
    const race::Replay::Changes changes = race_->LaneAt(lane_).TakeChanged();
    if (changes.first <= changes.last) {
        const int left = static_cast<int>(std::floor(BarEdge(std::max(changes.first, 1)))) - 1;
        const int right = static_cast<int>(std::ceil(BarEdge(changes.last + 1))) + 1;
        update(QRect(QPoint(left, measures_.titleHeight), QPoint(right, AsideArea().top())));
    }
    if (changes.aside) update(AsideArea());
    // What the method works on changed: the bars are painted over it again.
    if (race::WorkingPart part = race::WorkingPartOf(Lane()); !(part == shownPart_)) {
        shownPart_ = std::move(part);
        update(QRect(QPoint(0, 0), QPoint(width(), AsideArea().top())));
    }
    // The mark moves: where it was is painted plain again.
    const race::StepSeen step = Lane().LastStep();
    if (!(step == shownStep_)) {
        UpdateMarked(shownStep_);
        UpdateMarked(step);
        shownStep_ = step;
    }
    UpdateDescription();
}

}  // namespace race_window
