// The race window's part in racing students' own sorts.

#include "desktop/qt_conversions.h"
#include "race_window/quiz.h"
#include "race_window/panel_grid.h"
#include "race_window/race_window.h"
#include "race_window/script_recorder.h"
#include "script/sandbox.h"
#include "script/script_process.h"
#include "ui_race_window.h"

#include <QFileDialog>

namespace race_window {

void RaceWindow::SetUpScripts(const race::RaceOptions& options)
{
    scripts_ = options.lesson.scripts;
    unprotected_ = options.unprotected;
    scriptSeconds_ = options.scriptSeconds;
    recorder_ = new ScriptRecorder(this);
    connect(recorder_, &ScriptRecorder::Recorded, this, &RaceWindow::JoinScripts);
    connect(recorder_, &ScriptRecorder::Progressed, this, &RaceWindow::ShowProgress);
    // While a sort records, the button stops it instead.
    connect(ui_->ScriptButton, &QPushButton::clicked, this,
            [this] { recorder_->Busy() ? StopRecording() : ChooseScript(); });
    // Which protection a script runs under here, said where one is chosen.
    const QString protection[] = {
        tr("It runs in a sandbox (bubblewrap): no network, no other program, the system read-only."),
        tr("It runs confined by the kernel (Landlock): it can read only the system's own files."),
        tr("Nothing here can protect your files from it: it runs only where you say so.")};
    ui_->ScriptButton->setToolTip(ui_->ScriptButton->toolTip() + "\n" +
                                  protection[static_cast<int>(script::AvailableProtection())]);
    if (!script::PythonAvailable()) {
        ui_->ScriptButton->setEnabled(false);
        ui_->ScriptButton->setToolTip(tr("Your own sort runs in Python: install python3 to race one"));
    }
}

// The scripts not racing yet are left out: recorded again they would run as long.
void RaceWindow::StopRecording()
{
    const std::string name = recorder_->Recording();
    recorder_->Stop();
    scripts_.resize(race_->ScriptCount());
    ShowProgress();
    ui_->Status->setText(tr("Stopped recording %1: it does not race.").arg(desktop::Shortened(name, desktop::kLongestName)));
}

void RaceWindow::ChooseScript()
{
    const QString path =
        QFileDialog::getOpenFileName(this, tr("Your sort"), QString(), tr("Python files (*.py);;All files (*)"));
    if (path.isEmpty()) return;
    try {
        scripts_.push_back(script::ReadScriptFile(path.toStdString()));
    } catch (const script::ScriptFileError& error) {
        ui_->Problem->setText(desktop::Shortened(std::string_view(error.what()), desktop::kLongestMessage));
        return;
    }
    ui_->Problem->clear();
    RecordScripts();
    ShowProgress();
}

// Those not racing yet: the race takes them in their order.
void RaceWindow::RecordScripts()
{
    const std::size_t racing = race_->ScriptCount();
    for (auto file = scripts_.begin() + static_cast<std::ptrdiff_t>(racing); file != scripts_.end(); ++file)
        AllowUnprotected(*file);
    recorder_->Start({scripts_.begin() + static_cast<std::ptrdiff_t>(racing), scripts_.end()},
                     race_->LaneAt(0).Source().start, scriptSeconds_);
}

void RaceWindow::AllowUnprotected(script::ScriptFile& file)
{
    if (file.unprotectedAllowed || script::AvailableProtection() != script::Protection::None) return;
    // Asked once a file: one not allowed fails in its panel, saying why.
    if (std::ranges::find(unprotectedAsked_, file.path) != unprotectedAsked_.end()) return;
    unprotectedAsked_.push_back(file.path);
    file.unprotectedAllowed =
        unprotected_ || Ask({tr("Your sort"),
                             tr("%1 cannot be protected here: %2.\n\nUnprotected, it can read and change whatever "
                                "you can. Run it all the same?")
                                 .arg(desktop::Shortened(file.name, desktop::kLongestName),
                                      QString::fromStdString(script::WhyUnprotected())),
                             tr("Run it unprotected"), tr("Do not run it")});
}

void RaceWindow::JoinScripts(std::shared_ptr<std::vector<race::Recording>> recordings)
{
    race_->Join(std::move(*recordings));
    ui_->Panels->SetLanes(*race_);
    ConnectPanels();
    ui_->Panels->Show(race_.get());
    quiz_->Show(race_.get(), ui_->Panels->Panels());
    if (focusLater_ && FocusOn(*focusLater_)) focusLater_.reset();
    ShowProgress();
}

}  // namespace race_window
