#pragma once

#include <array>
#include <cstddef>
#include <limits>
#include <span>
#include <string_view>
#include <type_traits>
#include <vector>

namespace sorting {

// A line of a method's code as a class reads it beside the bars. Each method names its lines
// in an enum, whose last name, End, is no line but their count; the sort reports the name,
// and the line's text is found by it.
struct CodeLine {
    int line;              // the name's value: where the line stands, from 0
    std::string_view key;  // a short name for it, as the tests' traces write it
    std::string_view text;

    template <typename Name>
    requires std::is_enum_v<Name>
    constexpr CodeLine(Name name, std::string_view key, std::string_view text)
        : line(static_cast<int>(name)), key(key), text(text)
    {
    }
};

// Whether a method's code has a line for each of its names, in the names' order: a line
// added, dropped or moved without its name fails the method's static_assert.
template <typename Name, std::size_t n>
consteval bool OneLineEachInOrder(const CodeLine (&code)[n])
{
    if (n != static_cast<std::size_t>(Name::End)) return false;
    for (std::size_t k = 0; k < n; ++k)
        if (code[k].line != static_cast<int>(k) || code[k].text.empty()) return false;
    return true;
}

// The value one of the code's variables has at a line: none where it has none there.
class Value {
public:
    constexpr Value() = default;
    template <typename T>
    requires std::is_arithmetic_v<T>
    constexpr Value(T value) : value_(static_cast<float>(value)) {}
    constexpr float Get() const { return value_; }

private:
    float value_ = std::numeric_limits<float>::quiet_NaN();
};

// A variable of a method's code: its name, and where a sort's report holds its value. Each
// method gathers its variables in a struct of Values, filled by name where a line is reported.
template <typename Variables>
struct Variable {
    std::string_view name;
    Value Variables::*field;
};

// Whether every field of a method's variables has a name.
template <typename Variables, std::size_t n>
consteval bool EveryVariableNamed(const Variable<Variables> (&)[n])
{
    return sizeof(Variables) == n * sizeof(Value);
}

template <typename Variables, std::size_t n>
constexpr std::array<std::string_view, n> NamesOf(const Variable<Variables> (&variables)[n])
{
    std::array<std::string_view, n> names{};
    for (std::size_t k = 0; k < n; ++k) names[k] = variables[k].name;
    return names;
}

template <auto& variables>
inline constexpr auto kNamesOf = NamesOf(variables);

// The code of a method, as a class reads it beside the bars, and the names of its variables
// in the order the reports give their values.
struct MethodCode {
    std::span<const CodeLine> lines;
    std::span<const std::string_view> variables;
};

// The lines a step at `line` stands within (its loops, by the code's indents) and the line whose
// call it carries out (`caller`) with those it stands within, the nearest first; lines from 1,
// 0 for none, as a recording names them.
std::vector<int> SurroundingLines(std::span<const CodeLine> code, int line, int caller);

// Tells a watcher that asks for it (`Line(name, variables)`) which line of the method's code
// the steps that follow come from, and the values its variables have then, so that a class
// can read the code beside the bars. With no such watcher nothing is made of it.
template <typename Watcher, typename Name, typename Variables>
inline void NoteLine(Watcher& watcher, Name line, const Variables& variables)
{
    if constexpr (requires { watcher.Line(line, variables); }) watcher.Line(line, variables);
}

// Tells a watcher that asks for it (`Call(name)`) the line whose call the lines reported next
// carry out, as heap sort's sink is called from two places; a name's End: no call.
template <typename Watcher, typename Name>
inline void NoteCall(Watcher& watcher, Name line)
{
    if constexpr (requires { watcher.Call(line); }) watcher.Call(line);
}

// The values of a method's variables, in the order it names them.
template <typename Variables>
auto ValuesOf(const Variables& variables)
{
    const auto& named = VariablesOf(variables);  // the method's table, found by its struct
    std::array<float, std::extent_v<std::remove_reference_t<decltype(named)>>> values{};
    for (std::size_t k = 0; k < values.size(); ++k) values[k] = (variables.*(named[k].field)).Get();
    return values;
}

}  // namespace sorting
