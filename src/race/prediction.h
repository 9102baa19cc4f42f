#pragma once

#include "race/replay.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace race {

// A question for a class about a method's next move of an item to a place of the array: which
// two items its next exchange exchanges, or which item it writes next.
struct Question {
    enum class Kind { Exchange, Write };
    Kind kind;
    std::uint64_t step;                // the step it asks about, from 1
    std::vector<std::int32_t> answer;  // the items: two for an exchange, one for a write
    std::uint64_t length;              // the steps that make the move, the one asked about first

    std::size_t Choices() const { return answer.size(); }
    // Whether the items chosen are the answer, in any order.
    bool RightAbout(std::vector<std::int32_t> chosen) const;
};

// The next move to ask about from the steps done on; none where no move of an item to a place
// of the array is left (an exchange of an item with itself is none).
std::optional<Question> NextQuestion(const Replay& lane);

}  // namespace race
