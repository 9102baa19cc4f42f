// The race window's part in lessons: the race as it is set, saved and opened again, or put on
// the clipboard as a command line.

#include "desktop/qt_conversions.h"
#include "race/lesson_file.h"
#include "race_window/quiz.h"
#include "race_window/methods_menu.h"
#include "race_window/projector.h"
#include "race_window/race_window.h"
#include "ui_race_window.h"

#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

#include <stdexcept>

namespace race_window {
namespace {

QString FileName(const QString& path) { return desktop::Shortened(QFileInfo(path).fileName(), desktop::kLongestName); }
QString Message(std::string_view text) { return desktop::Shortened(text, desktop::kLongestMessage); }

}  // namespace

void RaceWindow::SetUpLessons()
{
    auto* menu = new QMenu(ui_->LessonButton);
    menu->setObjectName("LessonMenu");
    // The menu's keys work while it is closed, from anywhere in the window: the window holds
    // its actions too (a shortcut of its own beside them would make the keys ambiguous).
    addAction(menu->addAction(tr("Open lesson..."), QKeySequence::Open, this, &RaceWindow::OpenLesson));
    addAction(menu->addAction(tr("Save lesson..."), QKeySequence::Save, this, &RaceWindow::SaveLesson));
    menu->addAction(tr("Copy as command"), this, &RaceWindow::CopyAsCommand);
    ui_->LessonButton->setMenu(menu);
    lessonMenu_ = menu;
    menu->setAttribute(Qt::WA_WindowPropagation);
}

void RaceWindow::OpenLesson()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Open lesson"), QString(),
                                                      tr("Lessons (*.sortrace);;All files (*)"));
    if (!path.isEmpty()) OpenLessonFile(path);
}

bool RaceWindow::OpenLessonFile(const QString& path, const race::LessonSettings& over)
{
    race::LessonRead read;
    try {
        read = race::ReadLessonFile(path.toStdString());
    } catch (const race::LessonRefused& refused) {
        ui_->Problem->setText(tr("%1 cannot be opened: %2").arg(FileName(path), Message(refused.what())));
        return false;
    }
    if (!read.settings.scripts.empty() && over.scripts.empty()) {
        QStringList paths;
        for (const script::ScriptFile& file : read.settings.scripts) paths << QString::fromStdString(file.path);
        const YesOrNo runThem{tr("Open lesson"),
                              tr("This lesson wants to run these scripts of its own:") + "\n" + paths.join("\n") +
                                  "\n\n" + tr("Run them?"),
                              tr("Run them"), tr("Open without them")};
        if (!Ask(runThem)) read.settings.scripts.clear();
    }
    ApplyLesson(race::Overlaid(read.settings, over));
    // A focus the lesson gives that is not in the race is a problem too, after the file's own.
    const QString problem = ui_->Problem->text();
    // The problems as far as the line has room; every one of them where the pointer rests on it.
    ui_->Problem->setToolTip(read.problem.empty() ? QString()
                                                  : "<p style=\"white-space:pre\">" +
                                                        QString::fromStdString(read.problem).toHtmlEscaped() + "</p>");
    if (!read.problem.empty())
        ui_->Problem->setText(tr("%1: %2; the rest is open.").arg(FileName(path), Message(read.problem)));
    else if (read.newer)
        ui_->Problem->setText(
            tr("%1 comes from a newer version: what this one knows of it is open.").arg(FileName(path)));
    else if (problem.isEmpty())
        ui_->Status->setText(tr("Opened %1.").arg(FileName(path)));
    return true;
}

bool RaceWindow::Ask(const YesOrNo& question)
{
    if (asker_) return asker_(question);
    // What the question quotes (paths, names) as it is: never markup.
    QMessageBox ask(QMessageBox::Question, question.title, question.text, QMessageBox::NoButton, this);
    ask.setTextFormat(Qt::PlainText);
    QPushButton* yes = ask.addButton(question.yes, QMessageBox::AcceptRole);
    ask.addButton(question.no, QMessageBox::RejectRole);
    ask.exec();
    return ask.clickedButton() == yes;
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
        ui_->Problem->setText(Message(refused.what()));
        return;
    }
    ui_->Problem->clear();
    ui_->Status->setText(tr("Saved the lesson as %1.").arg(FileName(path)));
}

void RaceWindow::CopyAsCommand()
{
    QGuiApplication::clipboard()->setText(
        QString::fromStdString("sorting-race " + race::ShellLine(race::SettingArguments(CurrentLesson()))));
    ui_->Status->setText(tr("The command that sets the race so is on the clipboard."));
}

void RaceWindow::AddExport(WindowExport kind)
{
    exports_.push_back(std::move(kind));
    const std::size_t added = exports_.size() - 1;
    lessonMenu_->addAction(exports_[added].menuText, this, [this, added] { AskForExport(exports_[added]); });
}

void RaceWindow::AskForExport(const WindowExport& kind)
{
    if (const QString refused = kind.refusal(*this); !refused.isEmpty()) {
        ui_->Problem->setText(refused);
        return;
    }
    QString path = QFileDialog::getSaveFileName(this, QString(kind.menuText).remove("..."), QString(), kind.fileTypes);
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += kind.suffix;
    try {
        const QString done = kind.write(*this, path);
        ui_->Problem->clear();
        ui_->Status->setText(done);
    } catch (const std::runtime_error& failure) {
        ui_->Problem->setText(Message(failure.what()));
    }
}

std::optional<std::size_t> RaceWindow::LookedAt() const { return quiz_->LookedAt(); }

race::LessonSettings RaceWindow::RacingLesson() const
{
    race::LessonSettings lesson;
    lesson.methods = methods_;
    lesson.items = ownItems_ ? race::ItemsAsked(*ownItems_) : race::ItemsAsked(count_);
    lesson.order = sorting::kInitialOrders[static_cast<std::size_t>(std::max(ui_->OrderChoice->currentIndex(), 0))];
    lesson.seed = seed_;
    lesson.scripts = scripts_;
    return lesson;
}

race::LessonSettings RaceWindow::CurrentLesson() const
{
    race::LessonSettings lesson = RacingLesson();
    // Items typed and raced as typed need no seed.
    if (ownItems_ && lesson.order == sorting::InitialOrder::Random) lesson.seed.reset();
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
            ui_->Problem->setText(tr("focus: %1 does not race here.").arg(desktop::Shortened(*settings.focus, desktop::kLongestName)));
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
