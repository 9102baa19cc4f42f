#include "platform/words.h"

#include <algorithm>
#include <vector>

namespace platform {
namespace {

Translator translator = nullptr;
thread_local bool asWritten = false;

std::string ReplaceCount(std::string text, int n)
{
    if (n < 0) return text;
    const std::string number = std::to_string(n);
    for (std::size_t at = text.find("%n"); at != std::string::npos; at = text.find("%n", at + number.size()))
        text.replace(at, 2, number);
    return text;
}

// The English forms of a text of plural forms, written as Qt's tools write it: "%n row(s)".
std::string EnglishForm(std::string_view text, int n)
{
    std::string english;
    for (std::size_t at = 0; at < text.size();) {
        if (text.substr(at, 3) == "(s)") {
            if (n != 1) english += 's';
            at += 3;
        } else {
            english += text[at++];
        }
    }
    return english;
}

}  // namespace

void SetTranslator(Translator given) { translator = given; }

std::string Words(const char* context, const char* text, const char* disambiguation, int n)
{
    std::string translated = translator && !asWritten ? translator(context, text, disambiguation, n) : std::string();
    if (translated.empty()) translated = n < 0 ? std::string(text) : EnglishForm(text, n);
    return ReplaceCount(std::move(translated), n);
}

WordsAsWritten::WordsAsWritten() : before_(asWritten) { asWritten = true; }

WordsAsWritten::~WordsAsWritten() { asWritten = before_; }

std::size_t TextWidth(std::string_view text)
{
    // Every byte but those that continue a character.
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> arguments)
{
    const std::vector<std::string_view> given(arguments);
    std::string filled;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const bool placeholder = pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
                                 pattern[i + 1] <= '9' && std::size_t(pattern[i + 1] - '1') < given.size();
        if (placeholder) {
            filled += given[std::size_t(pattern[++i] - '1')];
        } else {
            filled += pattern[i];
        }
    }
    return filled;
}

}  // namespace platform
