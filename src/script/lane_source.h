#pragma once

#include "script/script_file.h"
#include "sorting/sort_method.h"

#include <memory>
#include <optional>
#include <string>
#include <variant>

namespace script {

// What a lane of the race, or a row of the comparison, runs: one of the program's methods, or a
// student's script.
class LaneSource {
public:
    LaneSource(sorting::SortMethod method) : source_(method) {}  // a method is a lane as it stands
    explicit LaneSource(ScriptFile file) : source_(std::make_shared<const ScriptFile>(std::move(file))) {}

    // None for a script.
    std::optional<sorting::SortMethod> Method() const;
    // None for a method.
    const ScriptFile* Script() const;
    bool IsScript() const { return Script() != nullptr; }
    // What a lesson and the command line name it by: the method's key, or the script's file name.
    std::string Key() const;
    // What a person reads: the method's title in the user's language, or the script's file name.
    std::string Title() const;

    // The same method, or a script of the same name read from the same path.
    friend bool operator==(const LaneSource& a, const LaneSource& b);

private:
    std::variant<sorting::SortMethod, std::shared_ptr<const ScriptFile>> source_;
};

}  // namespace script
