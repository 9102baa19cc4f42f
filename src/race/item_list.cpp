#include "race/item_list.h"

#include "platform/words.h"
#include "race/recording.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace race {
namespace {

using platform::Fill;
using platform::Words;

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

// What an entry reads as: an item, or why it is none.
struct Reading {
    enum class Kind { Item, NotANumber, Negative, TooLarge } kind;
    float value = 0;
};

Reading Read(std::string entry, char decimalPoint)
{
    for (char& c : entry)
        if (c == decimalPoint) c = '.';
    // Read wider than an item, so that a number too large for one is told from no number.
    long double value = 0;
    const char* last = entry.data() + entry.size();
    const auto [end, error] = std::from_chars(entry.data(), last, value);
    const bool outOfRange = error == std::errc::result_out_of_range;
    if (end != last || !std::isfinite(value) || (error != std::errc{} && !outOfRange))
        return {Reading::Kind::NotANumber};
    if (value < 0 || (outOfRange && entry.front() == '-')) return {Reading::Kind::Negative};
    if (outOfRange || value > std::numeric_limits<float>::max()) return {Reading::Kind::TooLarge};
    return {Reading::Kind::Item, static_cast<float>(value)};
}

float Number(const std::string& entry, char decimalPoint)
{
    const Reading reading = Read(entry, decimalPoint);
    switch (reading.kind) {
        case Reading::Kind::NotANumber:
            throw ItemsRefused(Fill(Words("race", "\u201c%1\u201d is not a number."), {entry}));
        case Reading::Kind::Negative:
            throw ItemsRefused(
                Fill(Words("race", "\u201c%1\u201d is negative; the items must be 0 or more."), {entry}));
        case Reading::Kind::TooLarge:
            throw ItemsRefused(
                Fill(Words("race", "\u201c%1\u201d is too large; an item may be at most 3.4e38."), {entry}));
        case Reading::Kind::Item:
            break;
    }
    return reading.value;
}

std::string AskForCount() { return Words("race", "Enter a count from 1 to 2,000, or a list of 2 to 2,000 numbers."); }

// A lone entry is a count of random items.
std::int32_t Count(const std::string& entry, char decimalPoint)
{
    std::int32_t count = 0;
    const auto [end, error] = std::from_chars(entry.data(), entry.data() + entry.size(), count);
    if (error == std::errc{} && end == entry.data() + entry.size() && count >= 1 && count <= kMaxItems) return count;
    if (Read(entry, decimalPoint).kind == Reading::Kind::TooLarge)
        throw ItemsRefused(Fill(Words("race", "\u201c%1\u201d is too large."), {entry}) + " " + AskForCount());
    throw ItemsRefused(AskForCount());
}

}  // namespace

ItemsAsked ReadItems(const std::string& text, char decimalPoint)
{
    const std::vector<std::string> entries = Entries(text, decimalPoint);
    if (entries.size() == 1) return Count(entries.front(), decimalPoint);
    if (entries.empty()) throw ItemsRefused(AskForCount());
    if (entries.size() > static_cast<std::size_t>(kMaxItems))
        throw ItemsRefused(
            Fill(Words("race", "A list holds 2,000 numbers at the most, not %1."), {std::to_string(entries.size())}));
    std::vector<float> items{0.0f};
    for (const std::string& entry : entries) items.push_back(Number(entry, decimalPoint));
    return items;
}

}  // namespace race
