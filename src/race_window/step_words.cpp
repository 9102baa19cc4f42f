#include "race_window/step_words.h"

#include <QCoreApplication>

#include <charconv>
#include <cmath>

namespace race_window {
namespace {

// Where the words of a step find the values and items it names: a lane at its step, or the
// widest a race can show.
struct Widest {
    QString value;
    sorting::Index item;
};

// The words of the steps, in the user's language.
class StepWords {
    Q_DECLARE_TR_FUNCTIONS(StepWords)

public:
    StepWords(const race::Replay& lane, const QLocale& locale) : lane_(&lane), locale_(locale) {}
    StepWords(const Widest& widest, const QLocale& locale) : widest_(widest), locale_(locale) {}

    // "5 (item 1)", "0 (the sentinel before item 1)": insertion sort's element 0, "3 (copy of item 7)".
    QString ValueAndPlace(sorting::Index place) const
    {
        const QString value = Value(place);
        if (sorting::IsScratch(place)) return tr("%1 (copy of item %2)").arg(value, Item(ItemOf(place)));
        return place == 0 ? tr("%1 (the sentinel before item 1)").arg(value)
                          : tr("%1 (item %2)").arg(value, Item(place));
    }
    QString Value(sorting::Index place) const
    {
        return lane_ ? ValueText(lane_->ValueAt(place), locale_) : widest_.value;
    }
    sorting::Index ItemOf(sorting::Index place) const { return lane_ ? lane_->ItemOf(place) : widest_.item; }
    QString Item(sorting::Index place) const { return locale_.toString(static_cast<qlonglong>(place)); }

    QString Words(const race::StepSeen& step) const
    {
        using Kind = race::StepSeen::Kind;
        switch (step.kind) {
            case Kind::None:
                return {};
            case Kind::Compared:
                return tr("compares %1 and %2").arg(ValueAndPlace(step.first), ValueAndPlace(step.second));
            case Kind::Held:
                return tr("exchange: holds %1").arg(ValueAndPlace(step.first));
            case Kind::Shifted:
                return tr("exchange: moves %1 from item %2 to item %3")
                    .arg(Value(step.first), Item(step.second), Item(step.first));
            case Kind::Put:
                return tr("exchange: puts %1 from the hand at item %2").arg(Value(step.second), Item(step.second));
            case Kind::CopiedOut:
                return tr("copies %1 out").arg(ValueAndPlace(step.first));
            case Kind::Written:
                return tr("writes %1 at item %2").arg(Value(step.first), Item(step.first));
            case Kind::Moved:
                return tr("moves %1 from item %2 to item %3")
                    .arg(Value(step.second), Item(step.first), Item(step.second));
            case Kind::Read:
                return tr("reads %1").arg(ValueAndPlace(step.first));
        }
        return {};
    }

    // A merging method's steps are the merge's.
    QString OfMethod(std::optional<sorting::SortMethod> method, const QString& words) const
    {
        return method && sorting::Facts(*method).merges && !words.isEmpty() ? tr("merge %1").arg(words) : words;
    }

private:
    const race::Replay* lane_ = nullptr;
    Widest widest_;
    const QLocale& locale_;
};

// How many significant digits the shortest writing of a value has.
int SignificantDigits(float value)
{
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    int digits = 0;
    bool leading = true;
    for (const char* c = text; c < end && *c != 'e'; ++c) {
        if (*c < '0' || *c > '9') continue;
        leading = leading && *c == '0';
        digits += !leading;
    }
    return std::max(digits, 1);
}

}  // namespace

QString ValueText(float value, const QLocale& locale)
{
    if (value == std::floor(value) && std::abs(value) < 1e9f) return locale.toString(static_cast<qlonglong>(value));
    const int digits = SignificantDigits(value);
    return locale.toString(static_cast<double>(value), 'g', digits > 4 ? 3 : digits);
}

QString StepInWords(const race::Replay& lane, std::optional<sorting::SortMethod> method, const QLocale& locale)
{
    const StepWords words(lane, locale);
    return words.OfMethod(method, words.Words(lane.LastStep()));
}

QStringList EveryStepInWords(const race::Replay& lane, std::optional<sorting::SortMethod> method, const QLocale& locale)
{
    Widest widest{{}, sorting::NumItems(lane.Source().start)};
    for (float item : lane.Source().start)
        if (const QString value = ValueText(item, locale); value.size() > widest.value.size()) widest.value = value;
    const auto n = static_cast<std::int32_t>(widest.item), copy = static_cast<std::int32_t>(sorting::ScratchPlace(n));
    using Kind = race::StepSeen::Kind;
    const StepWords words(widest, locale);
    QStringList forms;
    for (const race::StepSeen step : {race::StepSeen{Kind::Compared, n, n},
                                      {Kind::Compared, copy, copy},
                                      {Kind::Held, n, n},
                                      {Kind::Shifted, n, n},
                                      {Kind::Put, n, n},
                                      {Kind::CopiedOut, n, copy},
                                      {Kind::Written, n, copy},
                                      {Kind::Moved, n, n},
                                      {Kind::Read, n, n}})
        forms << words.OfMethod(method, words.Words(step));
    return forms;
}

}  // namespace race_window
