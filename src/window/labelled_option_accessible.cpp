#include "window/labelled_option_accessible.h"

#include <QAccessibleWidget>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

namespace window {
namespace {

constexpr const char* kLabelledBy = "labelledBy";

QString CaptionOf(const QWidget* label)
{
    if (const auto* frame = qobject_cast<const QGroupBox*>(label)) return frame->title();
    if (const auto* text = qobject_cast<const QLabel*>(label)) return text->text();
    return label->accessibleName();
}

class LabelledOptionAccessible : public QAccessibleWidget {
public:
    LabelledOptionAccessible(QRadioButton* option, QWidget* label)
        : QAccessibleWidget(option, QAccessible::RadioButton), label_(label)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? CaptionOf(label_) : QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = Option()->isChecked();
        return state;
    }

    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override
    {
        auto related = QAccessibleWidget::relations(match);
        if (match & QAccessible::Label)
            related.append({QAccessible::queryAccessibleInterface(label_), QAccessible::Label});
        return related;
    }

    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }

    void doAction(const QString& action) override
    {
        if (action == pressAction())
            Option()->click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QRadioButton* Option() const { return static_cast<QRadioButton*>(widget()); }

    QWidget* label_;
};

QAccessibleInterface* CreateForLabelledOption(const QString&, QObject* object)
{
    auto* option = qobject_cast<QRadioButton*>(object);
    if (!option || !option->window()) return nullptr;
    const QByteArray labelName = option->property(kLabelledBy).toByteArray();
    if (labelName.isEmpty()) return nullptr;
    QWidget* label = option->window()->findChild<QWidget*>(QString::fromLatin1(labelName));
    return label ? new LabelledOptionAccessible(option, label) : nullptr;
}

}  // namespace

void InstallLabelledOptionAccessibility() { QAccessible::installFactory(CreateForLabelledOption); }

}  // namespace window
