#pragma once

#include "platform/words.h"
#include "race/replay.h"

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>
#include <vector>

namespace race {

// A question for a class about the decision a method makes next, asked before the step that
// makes it, so that nothing on screen shows the answer yet.
struct Question {
    enum class Kind {
        Exchanged,      // bubble, shell: will these two be exchanged? yes or no
        Lands,          // insertion: where will this item land? a place
        Smallest,       // selection: which item will it pick as the smallest? a place
        WrittenNext,    // merge: which value is written next? a copy or a bar of that value
        PivotLands,     // quick: where does the pivot land? a place
        ExchangedNext,  // quick, intro: which two does it exchange next? two places
        SinksTo,        // heap: which child does the item sink to? a place
        Side,           // three-way quick: less than, equal to or greater than the pivot?
        GoesTo,         // radix: where does this item go in this pass? a place
        Bucket,         // bucket: which bucket does this item go to? a number
        End,            // no kind: their count
    };
    // How an answer is given: by clicking places (bars, or copies in the strip), or, from
    // YesNo on, a choice.
    enum class Form { Place, TwoPlaces, Value, YesNo, Side, Number };
    // The answers given as a choice.
    static constexpr std::int32_t kNo = 0, kYes = 1, kLess = -1, kEqual = 0, kGreater = 1;

    Kind kind;
    std::uint64_t step;                  // the first step of the decision, from 1
    std::uint64_t length;                // the steps that show it, from that one
    std::vector<std::int32_t> about;     // the places the question names
    std::vector<sorting::Index> answer;  // the places, the place of the value, or the choice

    Form HowAnswered() const;
    // Whether what was chosen is the answer: places in any order, a value by what stands at
    // the place chosen in `lane`, standing before the decision.
    bool RightAbout(std::vector<sorting::Index> chosen, const Replay& lane) const;
};

// A kind of question: how it is answered, its words and its name in the score. One row a kind,
// in the kinds' order; a kind added is asked for here, by the words of its right answer, and
// by the methods that ask it.
struct QuestionKind {
    Question::Kind kind;
    Question::Form form;
    const char* ask;   // %1, %2: the places the question names
    const char* name;  // as the score lists it
};
inline constexpr QuestionKind kQuestionKinds[] = {
    {Question::Kind::Exchanged, Question::Form::YesNo,
     SORTING_WORDS("QuestionWords", "Will these two, items %1 and %2, be exchanged?"),
     SORTING_WORDS("QuestionWords", "exchanged or not")},
    {Question::Kind::Lands, Question::Form::Place,
     SORTING_WORDS("QuestionWords", "Where will item %1 land? Click the place, then press Enter."),
     SORTING_WORDS("QuestionWords", "where it lands")},
    {Question::Kind::Smallest, Question::Form::Place,
     SORTING_WORDS("QuestionWords",
                   "Which item will it pick as the smallest, for place %1? Click it, then press Enter."),
     SORTING_WORDS("QuestionWords", "the smallest")},
    {Question::Kind::WrittenNext, Question::Form::Value,
     SORTING_WORDS("QuestionWords",
                   "Which value is written next, to place %1? Click a copy in the strip or a bar of that value, "
                   "then press Enter."),
     SORTING_WORDS("QuestionWords", "the value written")},
    {Question::Kind::PivotLands, Question::Form::Place,
     SORTING_WORDS("QuestionWords", "Where does the pivot, item %1, land? Click the place, then press Enter."),
     SORTING_WORDS("QuestionWords", "where the pivot lands")},
    {Question::Kind::ExchangedNext, Question::Form::TwoPlaces,
     SORTING_WORDS("QuestionWords", "Which two does it exchange next? Click both, then press Enter."),
     SORTING_WORDS("QuestionWords", "the next exchange")},
    {Question::Kind::SinksTo, Question::Form::Place,
     SORTING_WORDS("QuestionWords", "Which child does item %1 sink to? Click it, then press Enter."),
     SORTING_WORDS("QuestionWords", "the child")},
    {Question::Kind::Side, Question::Form::Side,
     SORTING_WORDS("QuestionWords", "Is item %1 less than, equal to or greater than the pivot, item %2?"),
     SORTING_WORDS("QuestionWords", "less, equal or greater")},
    {Question::Kind::GoesTo, Question::Form::Place,
     SORTING_WORDS("QuestionWords", "Where does item %1 go in this pass? Click its place, then press Enter."),
     SORTING_WORDS("QuestionWords", "where it goes")},
    {Question::Kind::Bucket, Question::Form::Number,
     SORTING_WORDS("QuestionWords", "Which bucket does item %1 go to? Choose its number, then press Enter."),
     SORTING_WORDS("QuestionWords", "the bucket")},
};
inline constexpr std::size_t kQuestionKindCount = static_cast<std::size_t>(Question::Kind::End);
static_assert(std::size(kQuestionKinds) == kQuestionKindCount, "a row for every kind of question");
static_assert([] {
    for (std::size_t k = 0; k < kQuestionKindCount; ++k)
        if (kQuestionKinds[k].kind != static_cast<Question::Kind>(k)) return false;
    return true;
}(), "the rows in the kinds' order");

// The steps that show a decision: an exchange is three moves (hold, shift, put), each of the
// others one step.
inline constexpr std::uint64_t kExchangeSteps = 3;

// The step (from 1) of the next decision to ask about, from the steps done on; none where
// none is left.
std::optional<std::uint64_t> NextAsked(const Replay& lane);
// The question about the lane's next step, where a decision begins there.
std::optional<Question> AskNow(const Replay& lane);

}  // namespace race
