// What a panel says: its counts, its share of the work, its step in words or its verdict on
// equal items, and the names of its items.

#include "race_window/count_words.h"
#include "race_window/race_panel.h"
#include "race_window/step_words.h"
#include "race_window/text_wrap.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace race_window {
namespace {

QString Number(std::int64_t n) { return QLocale().toString(static_cast<qlonglong>(n)); }

}  // namespace

QString RacePanel::Named(std::int32_t item) const
{
    const QString value = ValueText(Lane().Items()[static_cast<std::size_t>(item)]);
    const auto rank = Lane().RankAmongEquals(Lane().Origin(item));
    return rank ? value + QChar('a' + std::min(*rank, 25)) : value;
}

QString RacePanel::Verdict() const
{
    if (!race_ || !Lane().Finished() || !Lane().HasEquals()) return {};
    const auto changed = Lane().EqualsChangedOrder();
    if (!changed) return tr("kept the order of equal items");
    const auto name = [&](std::int32_t origin) {
        const float value = Lane().Source().start[static_cast<std::size_t>(origin)];
        return ValueText(value) + QChar('a' + std::min(*Lane().RankAmongEquals(origin), 25));
    };
    return tr("changed the order of equal items: %1 before %2").arg(name(changed->first), name(changed->second));
}

QStringList RacePanel::CountsLines(const sorting::SortCounts& counts, int most) const
{
    const QString changes = method_ && sorting::Facts(*method_).merges
                                ? tr("merges %1").arg(Number(counts.merges))
                                : tr("exchanges %1").arg(Number(counts.exchanges));
    QStringList pieces{tr("comparisons %1").arg(Number(counts.comparisons)), changes,
                       tr("moves %1").arg(Number(counts.moves))};
    // The distribution sorts read their items' keys.
    if (Lane().Source().totals.reads > 0) pieces << tr("reads %1").arg(Number(counts.reads));
    return Wrapped(pieces, "   ", fontMetrics(), TextWidth(), most);
}

QString RacePanel::CountsText() const { return race_ ? CountsLines(Lane().CountsDone()).join("   ") : QString(); }

QString RacePanel::ProgressText() const
{
    if (!race_) return {};
    const race::Replay& lane = Lane();
    const auto rank = race_->RankOf(lane_);
    if (lane.Finished() && !rank) return tr("stopped after %1 steps").arg(Number(std::int64_t(lane.TotalSteps())));
    if (lane.Finished()) return tr("done: %1, %2 steps").arg(Ordinal(*rank), Number(std::int64_t(lane.TotalSteps())));
    const double share = lane.TotalSteps() == 0 ? 1.0 : double(lane.StepsDone()) / double(lane.TotalSteps());
    return tr("%1 % of %2 steps").arg(std::floor(share * 100)).arg(Number(std::int64_t(lane.TotalSteps())));
}

QString RacePanel::Failure() const
{
    const auto& script = Lane().Source().script;
    return script && script->failure ? tr("failed: %1").arg(QString::fromStdString(*script->failure)) : QString();
}

QString RacePanel::StepText() const
{
    if (!race_) return {};
    const auto& script = Lane().Source().script;
    if (Lane().Finished() && script && script->failure)
        return tr("failed: %1").arg(QString::fromStdString(*script->failure));
    return Lane().Finished() ? Verdict() : StepInWords(Lane(), method_);
}

QStringList RacePanel::TextLines() const
{
    if (!race_) return {};
    // Where the lines are few, the share of the work goes first, then the step in words.
    QStringList lines = CountsLines(Lane().CountsDone(), shownLines_);
    const auto left = [&] { return shownLines_ - static_cast<int>(lines.size()); };
    if (left() >= 2) lines << WrappedWords(ProgressText(), fontMetrics(), TextWidth(), std::min(2, left() - 1));
    if (left() >= 1) lines << WrappedWords(StepText(), fontMetrics(), TextWidth(), left());
    return lines;
}

int RacePanel::TextLineCount() const
{
    if (!race_) return 3;
    // The counts at their largest, the share when it is done, and the longest step in words.
    const QString done =
        tr("done: %1, %2 steps")
            .arg(Ordinal(static_cast<int>(race_->LaneCount())), Number(std::int64_t(Lane().TotalSteps())));
    qsizetype stepLines = 1;
    QStringList steps = EveryStepInWords(Lane(), method_);
    if (!Failure().isEmpty()) steps << Failure();
    for (const QString& step : steps)
        stepLines = std::max(stepLines, WrappedWords(step, fontMetrics(), TextWidth(), 2).size());
    return static_cast<int>(CountsLines(Lane().Source().totals).size() +
                            WrappedWords(done, fontMetrics(), TextWidth(), 2).size() + stepLines);
}

int RacePanel::TextWidth() const { return width() - 2 * measures_.margin; }

QString RacePanel::AsideCaption() const
{
    if (!race_) return {};
    if (Lane().Held()) return tr("in hand");
    return Lane().CopiedOut().empty() ? QString() : tr("copied out");
}

}  // namespace race_window
