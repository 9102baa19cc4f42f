#pragma once

#include "race/prediction.h"

#include <QWidget>

#include <optional>

class QPushButton;
class QSpinBox;

namespace race_window {

// The answers to a question that are not places on the bars: yes or no; less, equal or
// greater; a bucket's number. Only those of the question asked are shown.
class AnswerBar : public QWidget {
    Q_OBJECT

public:
    explicit AnswerBar(QWidget* parent = nullptr);

    // The answers for a question answered this way, with numbers 0 to `most`; none shown for
    // a question answered on the bars, or none.
    void Offer(std::optional<race::Question::Form> form, int most = 0);

signals:
    // A button pressed: the answer given.
    void Given(std::int32_t answer);
    // A number chosen, none for "?": given with Enter.
    void Chosen(std::optional<std::int32_t> number);

private:
    QPushButton* AddButton(const QString& text, const char* name, std::int32_t answer);

    QPushButton *yes_, *no_, *less_, *equal_, *greater_;
    QSpinBox* number_;
};

}  // namespace race_window
