#include "race_window/answer_bar.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QSpinBox>

namespace race_window {

using race::Question;

AnswerBar::AnswerBar(QWidget* parent) : QWidget(parent)
{
    new QHBoxLayout(this);
    layout()->setContentsMargins(0, 0, 9, 0);
    yes_ = AddButton(tr("&Yes"), "YesButton", Question::kYes);
    no_ = AddButton(tr("&No"), "NoButton", Question::kNo);
    less_ = AddButton(tr("&Less"), "LessButton", Question::kLess);
    equal_ = AddButton(tr("E&qual"), "EqualButton", Question::kEqual);
    greater_ = AddButton(tr("&Greater"), "GreaterButton", Question::kGreater);
    number_ = new QSpinBox(this);
    number_->setObjectName("BucketChoice");
    number_->setAccessibleName(tr("Bucket"));
    number_->setPrefix(tr("bucket "));
    // Its least value stands for none chosen yet.
    number_->setSpecialValueText(tr("bucket ?"));
    layout()->addWidget(number_);
    connect(number_, &QSpinBox::valueChanged, this,
            [this](int value) { emit Chosen(value < 0 ? std::nullopt : std::optional<std::int32_t>(value)); });
    Offer(std::nullopt);
}

QPushButton* AnswerBar::AddButton(const QString& text, const char* name, std::int32_t answer)
{
    auto* button = new QPushButton(text, this);
    button->setObjectName(name);
    button->setFocusPolicy(Qt::TabFocus);
    layout()->addWidget(button);
    connect(button, &QPushButton::clicked, this, [this, answer] { emit Given(answer); });
    return button;
}

void AnswerBar::Offer(std::optional<Question::Form> form, int most)
{
    using Form = Question::Form;
    for (QPushButton* button : {yes_, no_}) button->setVisible(form == Form::YesNo);
    for (QPushButton* button : {less_, equal_, greater_}) button->setVisible(form == Form::Side);
    number_->setVisible(form == Form::Number);
    const QSignalBlocker quiet(number_);
    number_->setRange(-1, most);
    number_->setValue(-1);
    setVisible(form == Form::YesNo || form == Form::Side || form == Form::Number);
}

}  // namespace race_window
