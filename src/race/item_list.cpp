#include "race/item_list.h"

#include "race/recording.h"

#include <charconv>
#include <cmath>

namespace race {
namespace {

bool Space(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// The entries of the text, as typed.
std::vector<std::string> Entries(const std::string& text, char decimalPoint)
{
    std::vector<std::string> entries;
    std::string entry;
    const auto end = [&] {
        if (!entry.empty()) entries.push_back(entry);
        entry.clear();
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool partsNumbers =
            Space(c) || c == ';' || (c == ',' && (decimalPoint != ',' || i + 1 == text.size() || Space(text[i + 1])));
        if (partsNumbers)
            end();
        else
            entry += c;
    }
    end();
    return entries;
}

std::string Quoted(const std::string& entry) { return std::string("\u201c").append(entry).append("\u201d"); }

float Number(std::string entry, char decimalPoint)
{
    for (char& c : entry)
        if (c == decimalPoint) c = '.';
    double value = 0;
    const char* last = entry.data() + entry.size();
    const auto [end, error] = std::from_chars(entry.data(), last, value);
    if (error != std::errc{} || end != last || !std::isfinite(value) || std::abs(value) > 1e38)
        throw ItemsRefused(Quoted(entry) + " is not a number.");
    if (value < 0) throw ItemsRefused(Quoted(entry) + " is negative; the items must be 0 or more.");
    return static_cast<float>(value);
}

}  // namespace

ItemsAsked ReadItems(const std::string& text, char decimalPoint)
{
    const std::vector<std::string> entries = Entries(text, decimalPoint);
    if (entries.size() == 1) {
        std::int32_t count = 0;
        const std::string& entry = entries.front();
        const auto [end, error] = std::from_chars(entry.data(), entry.data() + entry.size(), count);
        if (error == std::errc{} && end == entry.data() + entry.size() && count >= 1 && count <= kMaxItems)
            return count;
        throw ItemsRefused("Enter a count from 1 to 2,000, or a list of 2 to 2,000 numbers.");
    }
    if (entries.empty()) throw ItemsRefused("Enter a count from 1 to 2,000, or a list of 2 to 2,000 numbers.");
    if (entries.size() > static_cast<std::size_t>(kMaxItems))
        throw ItemsRefused("A list holds 2,000 numbers at the most, not " + std::to_string(entries.size()) + ".");
    std::vector<float> items{0.0f};
    for (const std::string& entry : entries) items.push_back(Number(entry, decimalPoint));
    return items;
}

}  // namespace race
