// What a panel tells those who cannot see it: its lines and items read out, and each bar's
// item and value as a tooltip.

#include "race_window/race_panel.h"

#include <QHelpEvent>
#include <QToolTip>

namespace race_window {

void RacePanel::UpdateDescription()
{
    const QString text = TextLines().join("\n");
    if (text == shownText_) return;
    shownText_ = text;
    // Where the bars carry their values, the description reads them out too.
    QStringList items;
    for (std::int32_t i = 1; ShowsValues() && i <= race_->NumItems(); ++i)
        if (!Lane().Vacated(i)) items << Named(i);
    setAccessibleDescription(CountsText() + "\n" + ProgressText() + "\n" +
                             (items.isEmpty() ? QString() : tr("items: %1").arg(items.join(' ')) + "\n") + StepText());
    update(TextArea());
}

// Each bar tells its item, its value, and its rank among the items of that value.
bool RacePanel::ShowToolTip(QHelpEvent* help)
{
    const auto item = ItemAt(help->pos());
    if (!item) {
        QToolTip::hideText();
        help->ignore();
        return true;
    }
    QToolTip::showText(help->globalPos(), tr("item %1: %2").arg(*item).arg(Named(*item)), this);
    return true;
}

}  // namespace race_window
