#pragma once

#include <string>
#include <vector>

namespace platform {

// Walks a command line one option at a time; an option's value is the next argument, and a
// missing one raises `Error` saying so.
template <typename Error>
class OptionReader {
public:
    explicit OptionReader(const std::vector<std::string>& arguments) : arguments_(arguments) {}

    // Moves to the next option; false when there is none.
    bool Next() { return ++at_ < arguments_.size(); }
    const std::string& Option() const { return arguments_[at_]; }
    const std::string& Value()
    {
        if (at_ + 1 >= arguments_.size()) throw Error(Option() + " needs a value");
        return arguments_[++at_];
    }

private:
    const std::vector<std::string>& arguments_;
    std::size_t at_ = static_cast<std::size_t>(-1);
};

}  // namespace platform
