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

const race::QuestionKind& Row(Kind kind) { return race::kQuestionKinds[static_cast<std::size_t>(kind)]; }

}  // namespace

QString QuestionText(const race::Question& q)
{
    QString text = QCoreApplication::translate("QuestionWords", Row(q.kind).ask);
    for (std::size_t k = 0; k < q.about.size(); ++k)
        text.replace(QStringLiteral("%%1").arg(k + 1), Number(q.about[k]));
    return text;
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

QString KindName(Kind kind) { return QCoreApplication::translate("QuestionWords", Row(kind).name); }

}  // namespace race_window
