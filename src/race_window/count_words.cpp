#include "race_window/count_words.h"

#include <QCoreApplication>
#include <QLocale>

#include <iterator>

namespace race_window {

// English chooses the ending by the last digits; each ending is a text of its own, so that a
// language can write its own way (French tells the first from the twenty-first).
QString Ordinal(int rank)
{
    static const struct {
        const char* pattern;
        const char* which;
    } endings[] = {QT_TRANSLATE_NOOP3("race_window::RacePanel", "%1st", "the rank 1"),
                   QT_TRANSLATE_NOOP3("race_window::RacePanel", "%1st", "a rank ending in 1 but 11: 21, 31, ..."),
                   QT_TRANSLATE_NOOP3("race_window::RacePanel", "%1nd", "a rank ending in 2 but 12"),
                   QT_TRANSLATE_NOOP3("race_window::RacePanel", "%1rd", "a rank ending in 3 but 13"),
                   QT_TRANSLATE_NOOP3("race_window::RacePanel", "%1th", "any other rank")};
    const int lastTwo = rank % 100, last = rank % 10;
    const bool teen = lastTwo >= 11 && lastTwo <= 13;
    const std::size_t ending = rank == 1 ? 0 : !teen && last >= 1 && last <= 3 ? std::size_t(last) : 4;
    return QCoreApplication::translate("race_window::RacePanel", endings[ending].pattern, endings[ending].which)
        .arg(QLocale().toString(rank));
}

QString CountInWords(std::size_t n)
{
    static const char* const words[] = {
        QT_TRANSLATE_NOOP("race_window::RaceWindow", "two"),   QT_TRANSLATE_NOOP("race_window::RaceWindow", "three"),
        QT_TRANSLATE_NOOP("race_window::RaceWindow", "four"),  QT_TRANSLATE_NOOP("race_window::RaceWindow", "five"),
        QT_TRANSLATE_NOOP("race_window::RaceWindow", "six"),   QT_TRANSLATE_NOOP("race_window::RaceWindow", "seven"),
        QT_TRANSLATE_NOOP("race_window::RaceWindow", "eight"), QT_TRANSLATE_NOOP("race_window::RaceWindow", "nine"),
        QT_TRANSLATE_NOOP("race_window::RaceWindow", "ten"),   QT_TRANSLATE_NOOP("race_window::RaceWindow", "eleven"),
        QT_TRANSLATE_NOOP("race_window::RaceWindow", "twelve")};
    if (n >= 2 && n - 2 < std::size(words)) return QCoreApplication::translate("race_window::RaceWindow", words[n - 2]);
    return QLocale().toString(static_cast<qulonglong>(n));
}

}  // namespace race_window
