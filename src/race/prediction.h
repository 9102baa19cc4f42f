#pragma once

#include "race/replay.h"

#include <cstdint>
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

// The step (from 1) of the next decision to ask about, from the steps done on; none where
// none is left.
std::optional<std::uint64_t> NextAsked(const Replay& lane);
// The question about the lane's next step, where a decision begins there.
std::optional<Question> AskNow(const Replay& lane);

}  // namespace race
