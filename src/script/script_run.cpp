#include "script/script_run.h"

#include "platform/words.h"
#include "sorting/order_check.h"
#include "sorting/stability.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>

namespace script {
namespace {

using Kind = ScriptStep::Kind;

// The next field of a line, and the rest after one space.
std::string_view Field(std::string_view& rest)
{
    const auto space = rest.find(' ');
    const std::string_view field = rest.substr(0, space);
    rest = space == std::string_view::npos ? std::string_view() : rest.substr(space + 1);
    return field;
}

std::optional<std::int64_t> Integer(std::string_view text)
{
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

// A value as Python writes a number: digits, a sign, a point, an exponent, inf or nan.
bool NumberText(std::string_view text)
{
    if (text.empty() || text.size() > 24) return false;
    if (text == "inf" || text == "-inf" || text == "nan") return true;
    return std::all_of(text.begin(), text.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) || c == '-' || c == '+' || c == '.' || c == 'e';
    });
}

}  // namespace

std::string CannotHaveMeasured() { return platform::Words("script", "sent seconds it cannot have measured"); }

namespace {

bool Identifier(std::string_view text)
{
    return !text.empty() && text.size() <= 64 && !std::isdigit(static_cast<unsigned char>(text[0])) &&
           std::all_of(text.begin(), text.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; });
}

// "7", "0.25": an item's value as the messages write it.
std::string ValueText(float value)
{
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
}

}  // namespace

ScriptRun::ScriptRun(std::vector<float> items, std::uint64_t limit, bool keepSteps)
    : start_(items),
      items_(std::move(items)),
      ids_(items_.size()),
      scratch_(items_.size()),
      live_(items_.size()),
      writtenOverAt_(items_.size()),
      met_(items_.size()),
      limit_(limit),
      keepSteps_(keepSteps)
{
    for (std::size_t i = 0; i < ids_.size(); ++i) ids_[i] = static_cast<std::int32_t>(i);
}

void ScriptRun::Feed(std::string_view bytes)
{
    while (!bytes.empty() && !Done()) {
        const auto end = bytes.find('\n');
        partial_.append(bytes.substr(0, end));
        if (partial_.size() > kLongestLine) return Fault(platform::Words("script", "sent a line too long to read"));
        if (end == std::string_view::npos) return;
        bytes.remove_prefix(end + 1);
        const std::string line = std::move(partial_);
        partial_.clear();
        Line(line);
    }
}

void ScriptRun::Line(std::string_view line)
{
    std::string_view rest = line;
    const std::string_view kind = Field(rest);
    if (kind == "L" || kind == "V" || kind == "U") return Note(kind, rest);
    if (kind == "P") return Print(rest);
    if (kind == "F") return Ending(rest);
    static const std::map<std::string_view, std::pair<Kind, int>> kSteps{{"C", {Kind::Compare, 2}},
                                                                         {"X", {Kind::Exchange, 2}},
                                                                         {"M", {Kind::Move, 2}},
                                                                         {"A", {Kind::SetAside, 2}},
                                                                         {"R", {Kind::Read, 1}}};
    const auto known = kSteps.find(kind);
    const auto a = Integer(Field(rest));
    const auto b =
        known != kSteps.end() && known->second.second == 2 ? Integer(Field(rest)) : std::optional<std::int64_t>(0);
    // Far beyond any place: 2,000 items and as many scratch entries at the most.
    const auto near = [](std::optional<std::int64_t> place) {
        return place && *place > -1'000'000 && *place < 1'000'000;
    };
    if (known == kSteps.end() || !near(a) || !near(b) || !rest.empty() ||
        !Step({known->second.first, static_cast<std::int32_t>(*a), static_cast<std::int32_t>(*b)}))
        Fault(platform::Fill(platform::Words("script", "sent a line it cannot have made: %1"), {line.substr(0, 60)}));
}

bool ScriptRun::Element(sorting::Index place) const
{
    return place >= 1 && place < static_cast<sorting::Index>(items_.size());
}

// An element, or a scratch entry where an item waits.
bool ScriptRun::Filled(sorting::Index place) const
{
    if (!sorting::IsScratch(place)) return Element(place);
    const sorting::Index entry = sorting::ScratchEntry(place);
    return Element(entry) && live_[static_cast<std::size_t>(entry)];
}

// Where the item at a filled place stood before the sort: a scratch entry is its item's own.
std::int32_t ScriptRun::Origin(sorting::Index place) const
{
    return sorting::IsScratch(place) ? sorting::ScratchEntry(place) : ids_[static_cast<std::size_t>(place)];
}

bool ScriptRun::Step(ScriptStep step)
{
    const auto at = [](sorting::Index place) { return static_cast<std::size_t>(place); };
    const std::uint64_t cost = step.kind == Kind::Exchange ? 3 : step.kind == Kind::SetAside ? 0 : 1;
    if (stepsCounted_ + cost > limit_) {
        Runaway(StoppedAtLimit());
        return true;
    }
    stepsCounted_ += cost;
    stepsShown_ += std::max<std::uint64_t>(cost, 1);
    switch (step.kind) {
        case Kind::Compare:
            if (!Filled(step.a) || !Filled(step.b)) return false;
            met_.Compared(Origin(step.a), Origin(step.b));
            ++counts_.comparisons;
            break;
        case Kind::Read:
            if (!Filled(step.a) || step.b != 0) return false;
            met_.Read(Origin(step.a));
            ++counts_.reads;
            break;
        case Kind::Exchange:
            if (!Element(step.a) || !Element(step.b) || step.a == step.b) return false;
            std::swap(items_[at(step.a)], items_[at(step.b)]);
            std::swap(ids_[at(step.a)], ids_[at(step.b)]);
            ++counts_.exchanges;
            counts_.moves += 3;
            break;
        case Kind::Move: {
            if (!Filled(step.a) || !Element(step.b) || step.a == step.b) return false;
            const bool aside = sorting::IsScratch(step.a);
            // The line of the move is noted before it, the item's setting aside not.
            writtenOverAt_[at(ids_[at(step.b)])] = lastLine_;
            const std::size_t from = at(aside ? sorting::ScratchEntry(step.a) : step.a);
            items_[at(step.b)] = aside ? scratch_[from] : items_[from];
            ids_[at(step.b)] = aside ? static_cast<std::int32_t>(from) : ids_[from];
            if (aside) live_[from] = 0;
            ++counts_.moves;
            break;
        }
        case Kind::SetAside:
            // The entry is the item's own: where it stood before the sort.
            if (!Element(step.a) || !Element(step.b) || live_[at(step.b)] || ids_[at(step.a)] != step.b) return false;
            scratch_[at(step.b)] = items_[at(step.a)];
            live_[at(step.b)] = 1;
            break;
    }
    if (keepSteps_) steps_.push_back(step);
    return true;
}

void ScriptRun::Note(std::string_view kind, std::string_view rest)
{
    const std::string_view first = Field(rest);
    const auto line = Integer(first);
    const bool fits = kind == "L"   ? line && *line >= 0 && *line <= 10'000'000 && rest.empty()
                      : kind == "V" ? Identifier(first) && NumberText(rest)
                                    : Identifier(first) && rest.empty();
    if (!fits)
        return Fault(
            platform::Fill(platform::Words("script", "sent a line it cannot have made: %1"), {first.substr(0, 60)}));
    // A step notes its line and the numbers that changed: a few, never a flood.
    if (++notesSent_ > kNotesAStep * stepsShown_ + kNotesBeforeSteps)
        return Runaway(platform::Words("script", "sent more notes than its steps can have made"));
    if (kind == "L") lastLine_ = static_cast<int>(*line);
    if (!keepSteps_) return;
    if (kind == "L") return notes_.Line(stepsShown_, static_cast<int>(*line));
    if (!notes_.Number(stepsShown_, first, kind == "V" ? std::optional(rest) : std::nullopt))
        Fault(platform::Words("script", "sent more names than a script has"));
}

namespace {

// What a script tried that a sort never needs, in a student's words.
std::optional<std::string> RefusedWords(std::string_view what)
{
    using platform::Words;
    static const std::map<std::string_view, const char*> kTried{
        {"open", SORTING_WORDS("script", "tried to open a file; a sort only needs the list it is given")},
        {"connect", SORTING_WORDS("script", "tried to connect to the network; a sort only needs the list it is given")},
        {"program", SORTING_WORDS("script", "tried to start another program; a sort only needs the list it is given")},
        {"signal", SORTING_WORDS("script", "tried to signal another program; a sort only needs the list it is given")},
        {"change", SORTING_WORDS("script", "tried to change a file; a sort only needs the list it is given")}};
    const auto tried = kTried.find(what);
    if (tried == kTried.end()) return std::nullopt;
    return Words("script", tried->second);
}

// What Python's error, "ZeroDivisionError: division by zero", means for a sort, in a
// student's words; Python's own words where the kind is not one a sort commonly meets.
std::string InStudentsWords(const std::string& python)
{
    static const std::map<std::string_view, const char*> kMeaning{
        {"SyntaxError", SORTING_WORDS("script", "is not written as Python reads it")},
        {"IndentationError", SORTING_WORDS("script", "has a line indented as Python does not expect")},
        {"ZeroDivisionError", SORTING_WORDS("script", "divided by zero")},
        {"IndexError", SORTING_WORDS("script", "used a place outside the list: a's places run from 0 to len(a) - 1")},
        {"NameError", SORTING_WORDS("script", "used a name that has no value yet")},
        {"UnboundLocalError", SORTING_WORDS("script", "used a name that has no value yet")},
        {"TypeError", SORTING_WORDS("script", "used a value in a way Python does not allow")},
        {"AttributeError", SORTING_WORDS("script", "asked a value for something it does not have")},
        {"RecursionError", SORTING_WORDS("script", "called itself too deeply: is there a call that never stops?")},
        {"MemoryError", SORTING_WORDS("script", "used more memory than a sort may")},
        {"NoSort", SORTING_WORDS("script", "has no function sort(a): the race calls sort(a) with the list a")}};
    const auto meaning = kMeaning.find(std::string_view(python).substr(0, python.find(':')));
    return meaning == kMeaning.end() ? python : platform::Words("script", meaning->second);
}

}  // namespace

// The last lines kept, each from the step it was printed at.
void ScriptRun::Print(std::string_view text)
{
    if (!keepSteps_) return;
    if (printed_.size() == kPrintedLines) printed_.erase(printed_.begin());
    printed_.emplace_back(stepsShown_, std::string(text.substr(0, kLongestPrint)));
}

void ScriptRun::Ending(std::string_view rest)
{
    const std::string_view how = Field(rest);
    if (how == "limit") return Runaway(StoppedAtLimit());
    if (how == "guard") return Fault(platform::Words("script", "cannot run: its system calls could not be filtered"));
    if (how == "ok" && NumberText(rest)) {
        const double seconds = std::strtod(std::string(rest).c_str(), nullptr);
        if (!std::isfinite(seconds) || seconds < 0) return Fault(CannotHaveMeasured());
        end_.kind = ScriptEnd::Kind::Sorted;
        end_.seconds = seconds;
        return Verify();
    }
    const auto line = Integer(Field(rest));
    if (how == "refused" && line && *line >= 0 && RefusedWords(rest)) {
        end_ = {ScriptEnd::Kind::Failed, *RefusedWords(rest), static_cast<int>(*line), 0};
        return;
    }
    if (how != "error" || !line || *line < 0)
        return Fault(platform::Words("script", "ended with a line it cannot have made"));
    const std::string python(rest.substr(0, 300));
    end_ = {ScriptEnd::Kind::Failed, InStudentsWords(python), static_cast<int>(*line), 0};
    end_.details = python;
}

std::string ScriptRun::StoppedAtLimit() const
{
    return platform::Fill(platform::Words("script", "stopped after %1 steps"), {std::to_string(limit_)});
}

void ScriptRun::Fault(std::string message)
{
    if (fault_) return;
    fault_ = message;
    end_ = {ScriptEnd::Kind::Failed, std::move(message), 0, 0};
}

// A run that went on past any sort's end keeps no step: its panel says why at once, and the
// race is as long as its methods.
void ScriptRun::Runaway(std::string message)
{
    Fault(std::move(message));
    steps_ = {};
    notes_ = {};
}

// What a sort that did not keep every item once made of them, by the items' values, the
// first eight of each list; empty where it kept them. The array keeps its length, so an item
// lost is always another there more than once.
std::string ScriptRun::LostItems(const std::vector<int>& seen) const
{
    using platform::Fill;
    using platform::Words;
    constexpr int kShown = 8;
    std::string missing, extra;
    int missingCount = 0, extraCount = 0;
    const auto add = [](std::string& list, int& count, const std::string& entry) {
        if (++count <= kShown) list += (list.empty() ? "" : ", ") + entry;
        if (count == kShown + 1) list += ", …";
    };
    for (std::size_t id = 1; id < seen.size(); ++id) {
        const std::string value = ValueText(start_[id]);
        if (seen[id] == 0) add(missing, missingCount, value);
        if (seen[id] > 1) add(extra, extraCount, Fill(Words("script", "%1 (%2 times)"), {value, std::to_string(seen[id])}));
    }
    if (missing.empty()) return {};
    const std::string lost = Fill(Words("script", "lost items: missing %1; there more than once: %2"), {missing, extra});
    // Where the first item lost was written over, where the script's lines are known.
    const auto first = static_cast<std::size_t>(std::find(seen.begin() + 1, seen.end(), 0) - seen.begin());
    if (writtenOverAt_[first] == 0) return lost;
    return lost + Fill(Words("script", " (line %1 wrote over the %2, which never came back)"),
                       {std::to_string(writtenOverAt_[first]), ValueText(start_[first])});
}

// Every item once, then in order: the verdict on a sort that ran to its end.
void ScriptRun::Verify()
{
    std::vector<int> seen(items_.size());
    for (std::size_t i = 1; i < ids_.size(); ++i) ++seen[static_cast<std::size_t>(ids_[i])];
    if (const std::string lost = LostItems(seen); !lost.empty()) return Fault(lost);
    if (const auto bad = sorting::FirstOutOfOrder(items_, 1))
        return Fault(platform::Fill(platform::Words("script", "not in order: items %1 and %2"),
                                    {std::to_string(*bad), std::to_string(*bad + 1)}));
    VerifyComparisons();
}

// Two items that end side by side, each of a value no other item has, were compared, or both
// read as numbers: a sort cannot know their order otherwise (where a value is there twice, an
// equal item may have stood between them), so one that did not read the values behind the
// counts.
void ScriptRun::VerifyComparisons()
{
    const auto alone = [&](std::size_t i) {
        return (i == 1 || items_[i - 1] != items_[i]) && (i + 1 == items_.size() || items_[i + 1] != items_[i]);
    };
    for (std::size_t i = 1; i + 1 < items_.size(); ++i)
        if (alone(i) && alone(i + 1) && !met_.Known(ids_[i], ids_[i + 1]))
            return Fault(platform::Fill(
                platform::Words("script", "ended in order, but never compared the %1 and the %2 that end side by "
                                          "side: it read their values another way, so its counts are not a sort's"),
                {ValueText(items_[i]), ValueText(items_[i + 1])}));
}

void ScriptRun::Finish(std::optional<std::string> killedFor, bool unprotected)
{
    if (!Done() && killedFor) {
        Runaway(*killedFor);
        end_.line = lastLine_;  // where it was when it was ended
    }
    if (!Done()) Fault(platform::Words("script", "ended without a word: its process stopped"));
    end_.unprotected = unprotected;
}

std::optional<bool> ScriptRun::KeptOrderOfEquals() const
{
    if (end_.kind != ScriptEnd::Kind::Sorted || fault_) return std::nullopt;
    std::vector<float> sorted(start_.begin() + 1, start_.end());
    std::sort(sorted.begin(), sorted.end());
    if (std::adjacent_find(sorted.begin(), sorted.end()) == sorted.end()) return std::nullopt;
    return !sorting::EqualsOutOfOrder(items_, ids_);
}

}  // namespace script
