#pragma once

#include <functional>
#include <string>
#include <vector>

namespace command_line {

// The name nearest to an unknown one, at most two letters amiss; empty where none is near.
std::string ClosestName(const std::string& unknown, const std::vector<std::string>& names);

// Reads a command line by the options declared to it: each option's value is the next
// argument; "-h", "--help" and "--version" are taken by the parser itself. What cannot be
// read raises UsageError, and an undeclared option UnknownOption, which suggests a declared
// option that is near it.
class OptionParser {
public:
    // An option that takes a value, and one that takes none.
    void Take(std::string name, std::function<void(const std::string& value)> read);
    void Flag(std::string name, std::function<void()> set);
    // What an argument that is no option is: without this, an unknown option.
    void Operands(std::function<void(const std::string& operand)> take) { operand_ = std::move(take); }

    void Parse(const std::vector<std::string>& arguments);

    bool HelpAsked() const { return help_; }
    bool VersionAsked() const { return version_; }

private:
    // The declared option nearest to an unknown one, if one is near.
    std::string Closest(const std::string& unknown) const;

    struct Declared {
        std::string name;
        bool takesValue;
        std::function<void(const std::string&)> read;
    };

    std::vector<Declared> options_;
    std::function<void(const std::string&)> operand_;
    bool help_ = false;
    bool version_ = false;
};

// A refusal of the command line, as a program writes it on standard error: "program: why",
// and a pointer to the help on the next line.
std::string Refusal(const std::string& program, const std::string& why);

}  // namespace command_line
