#include "race_window/question_words.h"

#include <QCoreApplication>
#include <QLocale>

namespace race_window {
namespace {

using Kind = race::Question::Kind;

// The words of the questions, in the user's language.
struct QuestionWords {
    Q_DECLARE_TR_FUNCTIONS(QuestionWords)
};

QString Number(sorting::Index number) { return QLocale().toString(static_cast<qlonglong>(number)); }

}  // namespace

QString QuestionText(const race::Question& q)
{
    const QString about = q.about.empty() ? QString() : Number(q.about[0]);
    switch (q.kind) {
        case Kind::Exchanged:
            return QuestionWords::tr("Will these two, items %1 and %2, be exchanged?").arg(about, Number(q.about[1]));
        case Kind::Lands:
            return QuestionWords::tr("Where will item %1 land? Click the place, then press Enter.").arg(about);
        case Kind::Smallest:
            return QuestionWords::tr(
                       "Which item will it pick as the smallest, for place %1? Click it, then press Enter.")
                .arg(about);
        case Kind::WrittenNext:
            return QuestionWords::tr(
                       "Which value is written next, to place %1? Click a copy in the strip or a bar of that "
                       "value, then press Enter.")
                .arg(about);
        case Kind::PivotLands:
            return QuestionWords::tr("Where does the pivot, item %1, land? Click the place, then press Enter.")
                .arg(about);
        case Kind::ExchangedNext:
            return QuestionWords::tr("Which two does it exchange next? Click both, then press Enter.");
        case Kind::SinksTo:
            return QuestionWords::tr("Which child does item %1 sink to? Click it, then press Enter.").arg(about);
        case Kind::Side:
            return QuestionWords::tr("Is item %1 less than, equal to or greater than the pivot, item %2?")
                .arg(about, Number(q.about[1]));
        case Kind::GoesTo:
            return QuestionWords::tr("Where does item %1 go in this pass? Click its place, then press Enter.")
                .arg(about);
        case Kind::Bucket:
            return QuestionWords::tr("Which bucket does item %1 go to? Choose its number, then press Enter.")
                .arg(about);
        case Kind::End:
            break;
    }
    return {};
}

QString RightAnswerText(const race::Question& q, const race::Replay& lane)
{
    const QString answer = Number(q.answer[0]);
    switch (q.kind) {
        case Kind::Exchanged:
            return q.answer[0] == race::Question::kYes ? QuestionWords::tr("Not quite: they are exchanged.")
                                                       : QuestionWords::tr("Not quite: they stay as they are.");
        case Kind::Lands:
            return QuestionWords::tr("Not quite: it lands at place %1.").arg(answer);
        case Kind::Smallest:
            return QuestionWords::tr("Not quite: it picks item %1.").arg(answer);
        case Kind::WrittenNext:
            return QuestionWords::tr("Not quite: it writes %1.").arg(QLocale().toString(lane.ValueAt(q.answer[0])));
        case Kind::PivotLands:
            return QuestionWords::tr("Not quite: the pivot lands at place %1.").arg(answer);
        case Kind::ExchangedNext:
            return QuestionWords::tr("Not quite: it exchanges items %1 and %2.").arg(answer, Number(q.answer[1]));
        case Kind::SinksTo:
            return QuestionWords::tr("Not quite: it sinks to item %1.").arg(answer);
        case Kind::Side:
            return q.answer[0] == race::Question::kLess ? QuestionWords::tr("Not quite: it is less than the pivot.")
                   : q.answer[0] == race::Question::kGreater
                       ? QuestionWords::tr("Not quite: it is greater than the pivot.")
                       : QuestionWords::tr("Not quite: it is equal to the pivot.");
        case Kind::GoesTo:
            return QuestionWords::tr("Not quite: it goes to place %1.").arg(answer);
        case Kind::Bucket:
            return QuestionWords::tr("Not quite: it goes to bucket %1.").arg(answer);
        case Kind::End:
            break;
    }
    return {};
}

QString KindName(Kind kind)
{
    switch (kind) {
        case Kind::Exchanged:
            return QuestionWords::tr("exchanged or not");
        case Kind::Lands:
            return QuestionWords::tr("where it lands");
        case Kind::Smallest:
            return QuestionWords::tr("the smallest");
        case Kind::WrittenNext:
            return QuestionWords::tr("the value written");
        case Kind::PivotLands:
            return QuestionWords::tr("where the pivot lands");
        case Kind::ExchangedNext:
            return QuestionWords::tr("the next exchange");
        case Kind::SinksTo:
            return QuestionWords::tr("the child");
        case Kind::Side:
            return QuestionWords::tr("less, equal or greater");
        case Kind::GoesTo:
            return QuestionWords::tr("where it goes");
        case Kind::Bucket:
            return QuestionWords::tr("the bucket");
        case Kind::End:
            break;
    }
    return {};
}

}  // namespace race_window
