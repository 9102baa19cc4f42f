#include "window/form1.h"

#include "platform/monotonic_clock.h"
#include "platform/run_time_error.h"
#include "ui_form1.h"
#include "window/labelled_option_accessible.h"

#include <QMessageBox>

#include <array>
#include <new>

namespace window {

Form1::Form1(QWidget* parent) : QWidget(parent), ui_(std::make_unique<Ui::Form1>())
{
    InstallLabelledOptionAccessibility();
    ui_->setupUi(this);
    run_ = std::make_unique<run::RunCommand>(*this, *this, *ui_->Picture1, platform::Timer);
    ui_->OptionMode->setId(ui_->OptionMode_0, kMeasure);
    ui_->OptionMode->setId(ui_->OptionMode_1, kVerify);
    ui_->OptionMode->setId(ui_->OptionMode_2, kAnimate);
    connect(ui_->ButtonRun, &QPushButton::clicked, this, &Form1::ButtonRun_Click);
    connect(ui_->CheckSeed, &QCheckBox::clicked, this, &Form1::CheckSeed_Click);
    connect(ui_->OptionMode, &QButtonGroup::idClicked, this, &Form1::OptionMode_Click);
    Form_Load();
}

Form1::~Form1() = default;

void Form1::Form_Load() { run_->Generator().Randomize(); }

void Form1::ButtonRun_Click()
{
    try {
        run_->ButtonRun_Click();
    } catch (const platform::RunTimeError& error) {
        ReportError(QString::fromStdString(error.what()), QString::fromStdString(error.detail()));
    } catch (const std::bad_alloc&) {
        ReportError(QString::fromStdString(platform::ErrorName(platform::ErrorKind::OutOfMemory)),
                    tr("There is not enough memory to sort this many items."));
    }
}

void Form1::CheckSeed_Click() { ui_->TextSeed->setEnabled(CheckSeedValue() == 1); }

void Form1::OptionMode_Click(int index)
{
    if (index != kMeasure && index != kVerify && index != kAnimate) return;
    ui_->FrameMeasure->setEnabled(index == kMeasure);
    ui_->FrameVerify->setEnabled(index == kVerify);
    ui_->FrameAnimate->setEnabled(index == kAnimate);
    if (index == kAnimate)
        EnableAnimationControls();
    else
        DisableAnimationControls();
}

void Form1::DisableAnimationControls() { SetAnimationControlsEnabled(false); }

void Form1::EnableAnimationControls() { SetAnimationControlsEnabled(true); }

void Form1::SetAnimationControlsEnabled(bool enabled)
{
    // Each child keeps its own setting, apart from the frame's, which disables it as well.
    const std::array<QWidget*, 5> controls{ui_->AnimationLabel1, ui_->AnimationLabel2, ui_->AnimationColor_0,
                                           ui_->AnimationColor_1, ui_->AnimationTextDelay};
    for (QWidget* control : controls) control->setEnabled(enabled);
}

void Form1::ReportError(const QString& name, const QString& detail)
{
    // Shown over the window without closing it: the next run can start once it is dismissed.
    auto* box = new QMessageBox(QMessageBox::Warning, windowTitle(), tr("The run stopped: %1.").arg(name),
                                QMessageBox::Ok, this);
    box->setObjectName("RunTimeErrorBox");
    box->setInformativeText(detail);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

std::int16_t Form1::SortChoiceListIndex() const
{
    const QList<QListWidgetItem*> chosen = ui_->SortChoice->selectedItems();
    return chosen.isEmpty() ? std::int16_t{-1} : static_cast<std::int16_t>(ui_->SortChoice->row(chosen.front()));
}

bool Form1::OptionModeValue(int index) const
{
    const QAbstractButton* option = ui_->OptionMode->button(index);
    return option && option->isChecked();
}

std::int16_t Form1::CheckSeedValue() const { return ui_->CheckSeed->isChecked() ? 1 : 0; }

std::string Form1::TextSeedText() const { return ui_->TextSeed->text().toStdString(); }

std::string Form1::TextNumText() const { return ui_->TextNum->text().toStdString(); }

std::string Form1::AnimationTextDelayText() const { return ui_->AnimationTextDelay->text().toStdString(); }

bool Form1::AnimationColorValue() const { return ui_->AnimationColor_0->isChecked(); }

}  // namespace window
