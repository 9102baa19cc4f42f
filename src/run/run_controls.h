#pragma once

#include <cstdint>
#include <string>

namespace run {

// What a run reads from the window's controls, anew at each use.
class RunControls {
public:
    static constexpr int kMeasure = 0;
    static constexpr int kVerify = 1;
    static constexpr int kAnimate = 2;

    virtual ~RunControls() = default;

    // -1 when no method is chosen, else the position of the chosen method in the list.
    virtual std::int16_t SortChoiceListIndex() const = 0;
    // Whether the mode option with this index (kMeasure, kVerify, kAnimate) is selected.
    virtual bool OptionModeValue(int index) const = 0;
    // 1 when "Fix Random Seed" is checked, 0 when not.
    virtual std::int16_t CheckSeedValue() const = 0;
    virtual std::string TextSeedText() const = 0;
    virtual std::string TextNumText() const = 0;
};

}  // namespace run
