// The race window's part in lessons: the race as it is set, saved and opened again, or put on
// the clipboard as a command line.

#include "race/lesson_file.h"
#include "race/worksheet.h"
#include "race_window/quiz.h"
#include "race_window/methods_menu.h"
#include "race_window/projector.h"
#include "race_window/race_video.h"
#include "race_window/race_window.h"
#include "race_window/worksheet_pdf.h"
#include "ui_race_window.h"

#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QProgressDialog>
#include <QShortcut>

namespace race_window {

void RaceWindow::SetUpLessons()
{
    auto* menu = new QMenu(ui_->LessonButton);
    menu->setObjectName("LessonMenu");
    menu->addAction(tr("Open lesson..."), QKeySequence::Open, this, &RaceWindow::OpenLesson);
    menu->addAction(tr("Save lesson..."), QKeySequence::Save, this, &RaceWindow::SaveLesson);
    menu->addAction(tr("Copy as command"), this, &RaceWindow::CopyAsCommand);
    menu->addAction(tr("Worksheet..."), this, &RaceWindow::MakeWorksheet);
    menu->addAction(tr("Export video..."), this, &RaceWindow::ExportVideo);
    ui_->LessonButton->setMenu(menu);
    menu->setAttribute(Qt::WA_WindowPropagation);
    // The menu's keys work while it is closed.
    connect(new QShortcut(QKeySequence::Open, this), &QShortcut::activated, this, &RaceWindow::OpenLesson);
    connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this, &RaceWindow::SaveLesson);
}

void RaceWindow::OpenLesson()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Open lesson"), QString(),
                                                      tr("Lessons (*.sortrace);;All files (*)"));
    if (!path.isEmpty()) OpenLessonFile(path);
}

bool RaceWindow::OpenLessonFile(const QString& path)
{
    race::LessonRead read;
    try {
        read = race::ReadLessonFile(path.toStdString());
    } catch (const race::LessonRefused& refused) {
        ui_->Problem->setText(tr("%1 cannot be opened: %2").arg(QFileInfo(path).fileName(), refused.what()));
        return false;
    }
    ApplyLesson(read.settings);
    // A focus the lesson gives that is not in the race is a problem too, after the file's own.
    const QString problem = ui_->Problem->text();
    if (!read.problem.empty())
        ui_->Problem->setText(tr("%1: %2; the rest is open.").arg(QFileInfo(path).fileName(), read.problem.c_str()));
    else if (read.newer)
        ui_->Problem->setText(tr("%1 comes from a newer version: what this one knows of it is open.")
                                  .arg(QFileInfo(path).fileName()));
    else if (problem.isEmpty())
        ui_->Status->setText(tr("Opened %1.").arg(QFileInfo(path).fileName()));
    return true;
}

void RaceWindow::SaveLesson()
{
    QString path = QFileDialog::getSaveFileName(this, tr("Save lesson"), QString(), tr("Lessons (*.sortrace)"));
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += ".sortrace";
    SaveLessonFile(path);
}

void RaceWindow::SaveLessonFile(const QString& path)
{
    try {
        race::WriteLessonFile(path.toStdString(), CurrentLesson());
    } catch (const race::LessonRefused& refused) {
        ui_->Problem->setText(QString::fromStdString(refused.what()));
        return;
    }
    ui_->Problem->clear();
    ui_->Status->setText(tr("Saved the lesson as %1.").arg(QFileInfo(path).fileName()));
}

void RaceWindow::CopyAsCommand()
{
    QGuiApplication::clipboard()->setText(
        QString::fromStdString("sorting-race " + race::ShellLine(race::SettingArguments(CurrentLesson()))));
    ui_->Status->setText(tr("The command that sets the race so is on the clipboard."));
}

void RaceWindow::ExportVideo()
{
    QString path = QFileDialog::getSaveFileName(this, tr("Export video"), QString(),
                                                tr("Videos (*.mp4);;Animated GIF (*.gif)"));
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += ".mp4";
    ExportVideoFile(path);
}

void RaceWindow::ExportVideoFile(const QString& path)
{
    SetPlaying(false);
    VideoRequest request;
    request.path = path;
    request.stepsPerSecond = pace_.StepsPerSecond();
    request.sound = SoundOn();
    request.font = font();
    QProgressDialog progress(tr("Exporting the race to %1...").arg(QFileInfo(path).fileName()), tr("Cancel"), 0, 1, this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    const QString failure = WriteRaceVideo(*race_, request, [&](int frame, int frames) {
        progress.setMaximum(frames);
        progress.setValue(frame);
        return !progress.wasCanceled();
    });
    progress.reset();
    if (!failure.isEmpty()) {
        ui_->Problem->setText(failure);
        return;
    }
    ui_->Problem->clear();
    ui_->Status->setText(tr("Exported the race to %1.").arg(QFileInfo(path).fileName()));
}

void RaceWindow::MakeWorksheet()
{
    const auto lane = quiz_->LookedAt();
    if (!lane || race_->SourceOf(*lane).IsScript()) {
        ui_->Problem->setText(tr("Click a method's panel first: the worksheet is made for the method looked at."));
        return;
    }
    if (race_->NumItems() > race::kWorksheetItems) {
        ui_->Problem->setText(tr("A worksheet traces %1 items at the most; type fewer.").arg(race::kWorksheetItems));
        return;
    }
    const QString path = QFileDialog::getSaveFileName(this, tr("Worksheet"), QString(), tr("PDF files (*.pdf)"));
    if (path.isEmpty()) return;
    MakeWorksheetFile(QFileInfo(path).suffix().isEmpty() ? path + ".pdf" : path);
}

void RaceWindow::MakeWorksheetFile(const QString& path)
{
    if (!WriteWorksheet(path, race_->LaneAt(*quiz_->LookedAt()).Source())) {
        ui_->Problem->setText(tr("%1 cannot be written.").arg(path));
        return;
    }
    ui_->Problem->clear();
    ui_->Status->setText(tr("Wrote the worksheet %1, its answer key on the last page.").arg(QFileInfo(path).fileName()));
}

race::LessonSettings RaceWindow::CurrentLesson() const
{
    race::LessonSettings lesson;
    lesson.methods = methods_;
    lesson.items = ownItems_ ? race::ItemsAsked(*ownItems_) : race::ItemsAsked(count_);
    lesson.order = sorting::kInitialOrders[static_cast<std::size_t>(std::max(ui_->OrderChoice->currentIndex(), 0))];
    if (!ownItems_ || lesson.order != sorting::InitialOrder::Random) lesson.seed = seed_;
    lesson.scripts = scripts_;
    lesson.speed = pace_.Notch();
    lesson.zoom = projector_->Zoom();
    if (const auto lane = quiz_->LookedAt()) lesson.focus = race_->SourceOf(*lane).Key();
    lesson.predict = quiz_->Predicting();
    lesson.fullScreen = isFullScreen();
    lesson.step = race_->Clock();
    return lesson;
}

// The settings given, in an order that keeps each: the race is made again only where its
// items or methods change, and the speed is set after a race of a few items took its own.
void RaceWindow::ApplyLesson(const race::LessonSettings& settings)
{
    ui_->Problem->clear();
    if (settings.methods) {
        methods_ = *settings.methods;
        methodsMenu_->ShowChosen(methods_);
    }
    if (!settings.scripts.empty()) scripts_ = settings.scripts;
    if (settings.order) {
        const QSignalBlocker quiet(ui_->OrderChoice);
        ui_->OrderChoice->setCurrentIndex(static_cast<int>(*settings.order));
    }
    if (settings.seed) {
        seed_ = *settings.seed;
        ui_->SeedField->setText(QString::number(seed_, 'g', 17));
    }
    if (settings.items) ApplyItemsAsked(*settings.items);
    if (settings.methods || settings.items || settings.order || settings.seed || !settings.scripts.empty())
        StartRace(ownItems_ ? static_cast<std::int32_t>(ownItems_->size()) - 1 : count_);
    if (settings.speed) ui_->SpeedSlider->setValue(*settings.speed);
    if (settings.zoom) projector_->SetZoom(*settings.zoom);
    if (settings.fullScreen) projector_->SetFullScreen(*settings.fullScreen);
    if (settings.step) JumpTo(*settings.step);
    // The method looked at before predicting, which asks about its decisions.
    if (settings.focus && !FocusOn(*settings.focus)) {
        const bool comes = std::ranges::any_of(scripts_, [&](const auto& s) { return s.name == *settings.focus; });
        if (comes)
            focusLater_ = settings.focus;
        else
            ui_->Problem->setText(tr("focus: %1 does not race here.").arg(settings.focus->c_str()));
    }
    if (settings.predict) ui_->PredictButton->setChecked(*settings.predict);
    ShowProgress();
}

bool RaceWindow::FocusOn(const std::string& focus)
{
    const auto lane = race_->FindLane(focus);
    if (lane) quiz_->LookAt(*lane);
    return lane.has_value();
}

}  // namespace race_window
