#pragma once

#include "animation/animation_settings.h"
#include "run/run_command.h"
#include "run/run_controls.h"

#include <QWidget>

#include <memory>

namespace Ui {
class Form1;
}

namespace window {

// The program's one window: the inputs of a run, "Begin Sorting", and the picture box. It
// answers the run's questions about the controls and reports a run's error without closing.
class Form1 : public QWidget, public run::RunControls, public animation::AnimationSettings {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    std::int16_t SortChoiceListIndex() const override;
    bool OptionModeValue(int index) const override;
    std::int16_t CheckSeedValue() const override;
    std::string TextSeedText() const override;
    std::string TextNumText() const override;
    std::string AnimationTextDelayText() const override;
    bool AnimationColorValue() const override;

    const run::RunCommand& Run() const { return *run_; }

public slots:
    void ButtonRun_Click();
    // The seed can be typed only while "Fix Random Seed" is checked.
    void CheckSeed_Click();
    // The frame of the chosen mode is enabled and the other two are not; the animation
    // settings are usable in animate mode only. Another index changes nothing.
    void OptionMode_Click(int index);

private:
    void DisableAnimationControls();
    void EnableAnimationControls();
    void SetAnimationControlsEnabled(bool enabled);
    void Form_Load();
    void ReportError(const QString& name, const QString& detail);

    std::unique_ptr<Ui::Form1> ui_;
    std::unique_ptr<run::RunCommand> run_;
};

}  // namespace window
