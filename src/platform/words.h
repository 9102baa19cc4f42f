#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Marks a text for translation where it is defined, in a table say, to be translated where it
// is shown: the translation tools find it by this name.
#define SORTING_WORDS(context, text) text

namespace platform {

// What gives a text in the user's language: empty where it has no translation. `n` is the
// number a text of several plural forms is chosen by, or -1.
using Translator = std::string (*)(const char* context, const char* text, const char* disambiguation, int n);

// Set once, before any text is asked for, by a program that speaks the user's language; the
// window program sets none and speaks its own English words.
void SetTranslator(Translator translator);

// `text` in the user's language where there is a translation, as written otherwise; "%n"
// stands for `n`. A text of plural forms is written with "(s)" where English adds an s:
// "%n row(s)", in English "1 row", "2 rows".
std::string Words(const char* context, const char* text, const char* disambiguation = nullptr, int n = -1);

// While one stands, Words gives this thread the texts as written, in English: for what other
// programs read, such as CSV.
class WordsAsWritten {
public:
    WordsAsWritten();
    ~WordsAsWritten();
    WordsAsWritten(const WordsAsWritten&) = delete;
    WordsAsWritten& operator=(const WordsAsWritten&) = delete;

private:
    bool before_;
};

// How many characters wide a UTF-8 text stands in a terminal's column, one a character.
std::size_t TextWidth(std::string_view text);

// `pattern` with %1, %2, ... %9 replaced by the arguments, in one pass, so that an argument's
// own "%2" stays.
std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> arguments);

}  // namespace platform
