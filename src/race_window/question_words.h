#pragma once

#include "race/prediction.h"

#include <QString>

namespace race_window {

// What the status line says of a question: the question itself, what a wrong answer is told,
// and the kind's name in the score.
QString QuestionText(const race::Question& question);
QString RightAnswerText(const race::Question& question, const race::Replay& lane);
QString KindName(race::Question::Kind kind);

}  // namespace race_window
