#include "race_window/race_window.h"

#include "desktop/qt_conversions.h"
#include "platform/random_generator.h"
#include "platform/run_time_error.h"
#include "platform/val.h"
#include "platform/words.h"
#include "race/item_list.h"
#include "sorting/initial_order.h"
#include "race_window/answer_bar.h"
#include "race_window/code_pane.h"
#include "race_window/count_words.h"
#include "race_window/quiz.h"
#include "race_window/mark_colours.h"
#include "race_window/methods_menu.h"
#include "race_window/race_panel.h"
#include "race_window/panel_grid.h"
#include "race_window/projector.h"
#include "race_window/script_recorder.h"
#include "race_window/sound_switch.h"
#include "ui_race_window.h"

#include <QCloseEvent>
#include <QScrollBar>
#include <QLocale>
#include <QShortcut>
#include <QStandardItemModel>

#include <cmath>
#include <iostream>

namespace race_window {
namespace {

constexpr int kFrameMilliseconds = 16;

// What the marks on the bars mean, in their colours.
QString MarksLegend()
{
    const auto swatch = [](platform::Colour colour) {
        return QString("<span style=\"color:%1\">&#9632;</span>").arg(QColor(desktop::ToRgb(colour)).name());
    };
    // The light grounds as small fields of their colour, which a square of text would not show.
    const auto ground = [](platform::Colour colour) {
        return QString("<span style=\"background:%1\">&nbsp;&nbsp;&nbsp;</span>")
            .arg(QColor(desktop::ToRgb(colour)).name());
    };
    return RaceWindow::tr("Marked: %1 the two items compared, %2 the items moved or written")
               .arg(swatch(kComparedColour), swatch(kMovedColour)) +
           "<br>" +
           RaceWindow::tr(
               "Behind the bars: %1 the part worked on, %2 the part in order, %3 %4 a merge's two runs; "
               "%5 the pivot, %6 in its final place")
               .arg(ground(kWorkingColour), ground(kSortedColour), ground(kLeftRunColour), ground(kRightRunColour),
                    QString("&#9660;"), swatch(kPivotDoneColour).replace("&#9632;", "&#9660;"));
}

// "100 items, %1.", "5 typed items, %1.": what races, and in which order.
QString ItemsInWords(std::int32_t count, bool typed)
{
    using platform::Words;
    return desktop::ToQString(typed ? Words("race_window::RaceWindow", "%n typed item(s), %1.", nullptr, count)
                                    : Words("race_window::RaceWindow", "%n item(s), %1.", nullptr, count));
}

}  // namespace

RaceWindow::RaceWindow(const race::RaceOptions& options, QWidget* parent)
    : QWidget(parent),
      ui_(std::make_unique<Ui::RaceWindow>()),
      methods_(options.lesson.methods.value_or(race::DefaultMethods()))
{
    ui_->setupUi(this);
    SetUpControls(options);
    SetUpScripts(options);
    ConnectControls();
    AddShortcuts();
    timer_.setInterval(kFrameMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &RaceWindow::Tick);
    SetUpLessons();
    StartRace(TakeItemsAsked(options));
    // The items, methods and scripts of the command line race already; a lesson file's
    // settings come first, then the command line's own on top of them.
    race::LessonSettings rest = options.lesson;
    if (options.lessonFile) {
        OpenLessonFile(QString::fromStdString(*options.lessonFile), rest);
        // Given on the command line or by a file manager: said where it was asked for too.
        if (!ui_->Problem->text().isEmpty()) std::cerr << "sorting-race: " << ui_->Problem->text().toStdString() << "\n";
    } else {
        rest.items.reset();
        rest.methods.reset();
        rest.scripts.clear();
        ApplyLesson(rest);
    }
    // The keys act at once, not in a text field.
    ui_->PlayButton->setFocus();
}

RaceWindow::~RaceWindow() = default;

void RaceWindow::SetUpControls(const race::RaceOptions& options)
{
    for (sorting::InitialOrder order : sorting::kInitialOrders)
        ui_->OrderChoice->addItem(desktop::ToQString(sorting::OrderTitle(order)));
    methodsMenu_ = new MethodsMenu(methods_, ui_->MethodsButton);
    ui_->MethodsButton->setMenu(methodsMenu_);
    // The menu is a window of its own, zoomed with this one.
    methodsMenu_->setAttribute(Qt::WA_WindowPropagation);
    ui_->SpeedSlider->setRange(race::Pace::kSlowest, race::Pace::kFastest);
    ui_->SpeedSlider->setValue(pace_.Notch());
    ui_->SpeedSlider->setPageStep(race::Pace::kNotchesPerDecade);
    ui_->Legend->setText(MarksLegend());
    sound_ = new SoundSwitch(ui_->SoundCheck, options.sound, this);
    quiz_ = new Quiz(ui_->Code, ui_->ScoreLabel, ui_->Answers, mode_, this);
    projector_ = new Projector(this, ui_->FullScreenButton, ui_->Scroller);
    ShowSpeed();
}

void RaceWindow::ConnectControls()
{
    // What is typed is taken when the field is left, and with Enter, which then gives the
    // keyboard to the race.
    connect(ui_->CountField, &QLineEdit::editingFinished, this, &RaceWindow::ApplyItems);
    connect(ui_->CountField, &QLineEdit::returnPressed, this, [this] {
        if (ApplyItems()) FocusRace();
    });
    // Leaving the seed's field untouched keeps the items, typed ones too.
    connect(ui_->SeedField, &QLineEdit::editingFinished, this, [this] {
        if (ui_->SeedField->isModified()) ApplySeed();
    });
    connect(ui_->SeedField, &QLineEdit::returnPressed, this, [this] {
        if (ApplySeed()) FocusRace();
    });
    connect(ui_->OrderChoice, &QComboBox::currentIndexChanged, this, [this] { StartRace(count_); });
    connect(methodsMenu_, &MethodsMenu::Changed, this, &RaceWindow::ApplyMethods);
    connect(ui_->NewItemsButton, &QPushButton::clicked, this, &RaceWindow::NewItems);
    connect(ui_->PlayButton, &QPushButton::clicked, this, &RaceWindow::PlayOrPause);
    connect(ui_->StepButton, &QPushButton::clicked, this, &RaceWindow::Step);
    connect(ui_->BackButton, &QPushButton::clicked, this, &RaceWindow::Back);
    connect(ui_->RestartButton, &QPushButton::clicked, this, &RaceWindow::Restart);
    connect(ui_->SpeedSlider, &QSlider::valueChanged, this, [this](int notch) {
        pace_.SetNotch(notch);
        ShowSpeed();
    });
    // The panels moved, or the content took another size: the panel looked at is brought back.
    connect(ui_->Panels, &PanelGrid::Arranged, this, &RaceWindow::ShowLookedAt);
    for (QScrollBar* bar : {ui_->Scroller->verticalScrollBar(), ui_->Scroller->horizontalScrollBar()})
        connect(bar, &QScrollBar::rangeChanged, this, &RaceWindow::ShowLookedAt, Qt::QueuedConnection);
    connect(ui_->StepSlider, &QSlider::valueChanged, this, [this](int clock) { JumpTo(std::uint64_t(clock)); });
    connect(ui_->PredictButton, &QPushButton::toggled, quiz_, &Quiz::SetPredicting);
    connect(quiz_, &Quiz::Changed, this, [this] {
        PlaceCode();
        confirm_->setEnabled(quiz_->Asking());
        ShowProgress();
    });
    connect(ui_->Answers, &AnswerBar::Given, quiz_, &Quiz::Give);
    connect(ui_->Answers, &AnswerBar::Chosen, quiz_, &Quiz::ChooseNumber);
    connect(quiz_, &Quiz::Answered, this, [this](std::uint64_t steps) {
        race_->Tick(steps);
        ShowProgress();
    });
}

// A click on a panel, or Enter on it, looks at its method closely; while a prediction is
// asked, a click on its bars chooses.
void RaceWindow::ConnectPanels()
{
    for (RacePanel* panel : ui_->Panels->Panels()) {
        const std::size_t lane = panel->LaneIndex();
        connect(panel, &RacePanel::Pressed, this, [this, lane](std::optional<sorting::Index> place) {
            if (quiz_->Asking() && quiz_->LookedAt() == lane)
                quiz_->Pick(place);
            else
                quiz_->LookAt(lane);
        });
        connect(panel, &RacePanel::Activated, this, [this, lane] {
            if (quiz_->Asking()) return quiz_->Confirm();
            if (quiz_->LookedAt() == lane) return quiz_->StopLooking();
            quiz_->LookAt(lane);
        });
    }
}

// The keys work wherever the focus is but in a text field, where they type; held down, the
// arrows repeat.
void RaceWindow::AddShortcuts()
{
    const auto keyFor = [this](QKeySequence keys, auto* target, auto action) {
        connect(new QShortcut(keys, this), &QShortcut::activated, target, action);
    };
    const auto shortcut = [&](QKeySequence keys, void (RaceWindow::*action)()) { keyFor(keys, this, action); };
    shortcut(Qt::Key_Space, &RaceWindow::PlayOrPause);
    shortcut(Qt::Key_Right, &RaceWindow::Step);
    shortcut(Qt::Key_Left, &RaceWindow::Back);
    shortcut(Qt::Key_R, &RaceWindow::Restart);
    shortcut(Qt::Key_P, &RaceWindow::TogglePredict);
    shortcut(Qt::Key_Escape, &RaceWindow::Leave);
    // While a prediction is asked, Enter anywhere gives the answer; else the fields take it.
    confirm_ = new QShortcut(Qt::Key_Return, this);
    confirm_->setEnabled(false);
    connect(confirm_, &QShortcut::activated, quiz_, &Quiz::Confirm);
    // "+" comes with Shift on most keyboards, and without it on the keypad.
    for (const QKeySequence& keys : {QKeySequence(Qt::Key_Plus), QKeySequence(Qt::SHIFT | Qt::Key_Plus),
                                     QKeySequence(Qt::KeypadModifier | Qt::Key_Plus), QKeySequence(Qt::Key_Equal)})
        shortcut(keys, &RaceWindow::Faster);
    for (const QKeySequence& keys : {QKeySequence(Qt::Key_Minus), QKeySequence(Qt::KeypadModifier | Qt::Key_Minus)})
        shortcut(keys, &RaceWindow::Slower);
    // A jump to the start or the end, or by the slider's page, a tenth of the race.
    const auto tenth = [this] { return static_cast<std::uint64_t>(ui_->StepSlider->pageStep()); };
    keyFor(Qt::Key_Home, this, [this] { JumpTo(0); });
    keyFor(Qt::Key_End, this, [this] { JumpTo(race_->Longest()); });
    keyFor(Qt::Key_PageUp, this, [this, tenth] { JumpTo(race_->Clock() - std::min(race_->Clock(), tenth())); });
    keyFor(Qt::Key_PageDown, this, [this, tenth] { JumpTo(race_->Clock() + tenth()); });
    keyFor(Qt::Key_F11, projector_, &Projector::ToggleFullScreen);
    // Ctrl and "+" with Shift or without, or on the keypad, as the keyboard has it.
    for (const QKeySequence& keys : {QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal),
                                     QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Plus),
                                     QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Plus)})
        keyFor(keys, projector_, &Projector::ZoomIn);
    for (const QKeySequence& keys :
         {QKeySequence(QKeySequence::ZoomOut), QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Minus)})
        keyFor(keys, projector_, &Projector::ZoomOut);
    keyFor(Qt::CTRL | Qt::Key_0, projector_, &Projector::ZoomAsUsual);
}

std::int32_t RaceWindow::TakeItemsAsked(const race::RaceOptions& options)
{
    ApplyItemsAsked(options.lesson.items.value_or(race::ItemsAsked(race::kDefaultCount)));
    return ownItems_ ? static_cast<std::int32_t>(ownItems_->size()) - 1 : count_;
}

// The items in the field and for the next race: typed ones, or a count of random ones.
void RaceWindow::ApplyItemsAsked(const race::ItemsAsked& items)
{
    if (const auto* typed = std::get_if<std::vector<float>>(&items)) {
        UseOwnItems(*typed);
        QStringList numbers;
        for (std::size_t i = 1; i < ownItems_->size(); ++i) numbers << QLocale().toString((*ownItems_)[i]);
        ui_->CountField->setText(numbers.join(' '));
        return;
    }
    UseRandomItems(false);
    count_ = std::get<std::int32_t>(items);
    ui_->CountField->setText(QString::number(count_));
}

bool RaceWindow::ApplyItems()
{
    race::ItemsAsked asked;
    try {
        asked = race::ReadItems(ui_->CountField->text().trimmed().toStdString(), desktop::DecimalPoint());
    } catch (const race::ItemsRefused& refused) {
        // The race keeps its items; the field keeps the text, to be mended.
        ui_->Problem->setText(desktop::Shortened(std::string_view(refused.what()), desktop::kLongestMessage));
        return false;
    }
    ui_->Problem->clear();
    if (const auto* count = std::get_if<std::int32_t>(&asked)) {
        countTyped_ = true;  // one number is a count: the status line says how to race one's own
        if (*count == count_ && !ownItems_) return true;
        UseRandomItems(false);
        StartRace(*count);
        return true;
    }
    countTyped_ = false;
    const auto& items = std::get<std::vector<float>>(asked);
    if (ownItems_ == items) return true;
    UseOwnItems(items);
    StartRace(static_cast<std::int32_t>(items.size()) - 1);
    return true;
}

bool RaceWindow::ApplySeed()
{
    ui_->SeedField->setModified(false);
    double seed = 0;
    try {
        seed = platform::Val(ui_->SeedField->text().toStdString());
    } catch (const platform::RunTimeError&) {
        ui_->Problem->setText(tr("The seed is too large a number; the items stay as they are."));
        return false;
    }
    ui_->Problem->clear();
    if (seed != seed_ || ownItems_) {
        seed_ = seed;
        UseRandomItems(true);
        StartRace(count_);
    }
    return true;
}

// Typed items race until random ones are asked for; the orders apply to them too, but for
// few-unique, which is about the values.
void RaceWindow::UseOwnItems(const std::vector<float>& items)
{
    ownItems_ = items;
    ShowOrders();
}

// Random items from now on; where typed ones are given up, the field shows their count.
void RaceWindow::UseRandomItems(bool showCount)
{
    if (!ownItems_) return;
    ownItems_.reset();
    if (showCount) ui_->CountField->setText(QString::number(count_));
    ShowOrders();
}

void RaceWindow::ShowOrders()
{
    const QSignalBlocker quiet(ui_->OrderChoice);
    ui_->OrderChoice->setItemText(0, ownItems_ ? tr("as typed") : tr("random"));
    auto* orders = qobject_cast<QStandardItemModel*>(ui_->OrderChoice->model());
    const auto fewUnique = static_cast<int>(sorting::InitialOrder::FewUnique);
    orders->item(fewUnique)->setEnabled(!ownItems_);
    orders->item(fewUnique)->setToolTip(
        ownItems_ ? tr("Few-unique makes items of only eight values, so it cannot keep the values you typed")
                  : QString());
    if (ownItems_ && ui_->OrderChoice->currentIndex() == fewUnique) ui_->OrderChoice->setCurrentIndex(0);
}

void RaceWindow::FocusRace() { ui_->Panels->Panels().front()->setFocus(Qt::OtherFocusReason); }

void RaceWindow::ApplyMethods()
{
    const std::vector<sorting::SortMethod> chosen = methodsMenu_->Checked();
    if (chosen.size() < race::kFewestMethods) {
        // The race keeps its methods, and the menu shows them again.
        ui_->Problem->setText(tr("Choose at least two methods; the race keeps its %1.").arg(methods_.size()));
        methodsMenu_->ShowChosen(methods_);
        return;
    }
    ui_->Problem->clear();
    methods_ = chosen;
    StartRace(count_);
}

bool RaceWindow::SoundOn() const { return sound_->On(); }

void RaceWindow::closeEvent(QCloseEvent* event)
{
    SetPlaying(false);
    QWidget::closeEvent(event);
}

void RaceWindow::NewItems()
{
    UseRandomItems(true);
    seed_ = platform::ClockSeed();
    ui_->SeedField->setText(QString::number(seed_, 'f', 0));
    StartRace(count_);
}

void RaceWindow::StartRace(std::int32_t count)
{
    SetPlaying(false);
    count_ = count;
    FitSpeedTo(count);
    const bool samePanels = race_ && race_->LaneCount() == methods_.size() && race_->Methods() == methods_;
    // The scripts are recorded away from the window, and join the race when they are.
    race_ = std::make_unique<race::Race>(race::RaceOfLesson(RacingLesson(), race::ScriptLanes::JoinLater));
    if (!samePanels) {
        ui_->Panels->SetLanes(*race_);
        ui_->MethodsButton->setText(tr("%1 methods").arg(methods_.size()));
        ConnectPanels();
    }
    ui_->Panels->Show(race_.get());
    quiz_->Show(race_.get(), ui_->Panels->Panels());
    RecordScripts();
    ShowProgress();
}

// A race of a few items starts at a speed a class can follow; the speed the user had comes
// back with more items.
void RaceWindow::FitSpeedTo(std::int32_t count)
{
    const bool few = race::Pace::ForAClass(count);
    if (few && !speedBeforeFew_) {
        speedBeforeFew_ = ui_->SpeedSlider->value();
        ui_->SpeedSlider->setValue(race::Pace::kClassroom);
    }
    if (!few && speedBeforeFew_) {
        ui_->SpeedSlider->setValue(*speedBeforeFew_);
        speedBeforeFew_.reset();
    }
}

void RaceWindow::SetPlaying(bool playing)
{
    if (playing) mode_.Play();
    if (!playing && mode_.Playing()) mode_.Pause();
    if (playing) {
        clock_.start();
        timer_.start();
        sound_->Start(static_cast<int>(methods_.size()));
    } else {
        timer_.stop();
        sound_->Silence();
    }
    ui_->PlayButton->setText(playing ? tr("Pause") : tr("Play"));
    if (race_) ShowProgress();
}

void RaceWindow::PlayOrPause() { Press(RaceMode::Key::PlayPause); }

void RaceWindow::Step() { Press(RaceMode::Key::StepOn); }

void RaceWindow::Back() { Press(RaceMode::Key::StepBack); }

void RaceWindow::Press(RaceMode::Key key)
{
    using Action = RaceMode::Action;
    const Action action = mode_.On(key);
    if (action == Action::PickAtCursor) return quiz_->PickAtCursor();
    if (action == Action::CursorRight || action == Action::CursorLeft)
        return quiz_->MoveCursor(action == Action::CursorRight ? +1 : -1);
    quiz_->ClearMessage();
    if (action == Action::Play && race_->AllFinished()) Restart();
    SetPlaying(action == Action::Play);
    if (action == Action::StepOn) GoOn(1);
    if (action == Action::StepBack) race_->Back(1);
    ShowProgress();
}

// The code beside the grid where the grid keeps half the window's width, else beneath it; and
// the panel looked at in view, as a question about it is asked too, and again wherever the
// grid moves its panels to make room for the code.
void RaceWindow::PlaceCode()
{
    const bool beside = 2 * ui_->Code->sizeHint().width() <= ui_->Scroller->viewport()->width();
    ui_->Board->setDirection(beside ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
    // Once the panels stand where the pane's coming or going puts them.
    QMetaObject::invokeMethod(this, &RaceWindow::ShowLookedAt, Qt::QueuedConnection);
}

void RaceWindow::ShowLookedAt()
{
    const auto lane = quiz_->LookedAt();
    for (RacePanel* panel : ui_->Panels->Panels()) {
        if (!lane || panel->LaneIndex() != *lane) continue;
        const bool beside = ui_->Board->direction() == QBoxLayout::LeftToRight;
        QWidget* content = ui_->Scroller->widget();
        const int level = panel->mapTo(content, QPoint(0, 0)).y() - ui_->Code->mapTo(content, QPoint(0, 0)).y();
        ui_->Code->StandLevelWith(beside ? level : 0);
        ui_->Scroller->ensureWidgetVisible(panel, 0, 0);
    }
}

void RaceWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    PlaceCode();
}

// While a question waits the race stays where it is asked, and says so.
void RaceWindow::JumpTo(std::uint64_t clock)
{
    if (mode_.On(RaceMode::Key::Jump) == RaceMode::Action::AnswerFirst) {
        quiz_->AnswerFirst();
    } else {
        SetPlaying(false);
        quiz_->ClearMessage();
        race_->JumpTo(clock);
    }
    ShowProgress();
}

void RaceWindow::Restart()
{
    SetPlaying(false);
    race_->Restart();
    quiz_->Restarted();
    ShowProgress();
}

void RaceWindow::TogglePredict() { ui_->PredictButton->toggle(); }

// Esc: predicting no more, or else looking at no method.
void RaceWindow::Leave()
{
    if (quiz_->Predicting())
        ui_->PredictButton->setChecked(false);
    else
        quiz_->StopLooking();
}

// The race goes on, but stops before a move to be predicted and asks about it.
void RaceWindow::GoOn(std::uint64_t steps)
{
    const auto limit = quiz_->Limit();
    if (!limit || race_->Clock() + steps <= *limit) return race_->Tick(steps);
    race_->Tick(*limit - race_->Clock());
    SetPlaying(false);
    quiz_->Ask();
}

void RaceWindow::Faster() { ui_->SpeedSlider->setValue(ui_->SpeedSlider->value() + race::Pace::kNotchesPerDecade / 2); }

void RaceWindow::Slower() { ui_->SpeedSlider->setValue(ui_->SpeedSlider->value() - race::Pace::kNotchesPerDecade / 2); }

void RaceWindow::Tick()
{
    const double seconds = static_cast<double>(clock_.restart()) / 1000.0;
    GoOn(pace_.StepsFor(seconds));
    ShowProgress();
    if (race_->AllFinished())
        SetPlaying(false);
    else
        sound_->Touch(*race_);
}

// The step slider stands at the clock; its page is a tenth of the race.
void RaceWindow::ShowClock()
{
    const QSignalBlocker quiet(ui_->StepSlider);
    ui_->StepSlider->setMaximum(static_cast<int>(race_->Longest()));
    ui_->StepSlider->setPageStep(static_cast<int>(std::max<std::uint64_t>(race_->Longest() / 10, 1)));
    ui_->StepSlider->setValue(static_cast<int>(race_->Clock()));
}

void RaceWindow::ShowSpeed()
{
    ui_->SpeedLabel->setText(tr("%1 steps/s").arg(QLocale().toString(std::round(pace_.StepsPerSecond()), 'f', 0)));
}

void RaceWindow::ShowProgress()
{
    ShowClock();
    ui_->ScriptButton->setText(recorder_->Busy() ? tr("Stop recording") : tr("Your sort…"));
    ui_->Panels->Refresh();
    quiz_->Follow();
    if (!quiz_->Message().isEmpty())
        ui_->Status->setText(quiz_->Message());
    else if (race_->AllFinished())
        ui_->Status->setText(
            tr("All %1 are done: %2 finished first.")
                .arg(CountInWords(race_->LaneCount()), desktop::ToQString(race_->Title(race_->FirstToFinish()))));
    else if (recorder_->Busy())
        ui_->Status->setText(tr("Recording %1: %2 steps so far; it joins the race when it has run.")
                                 .arg(desktop::Shortened(recorder_->Recording(), desktop::kLongestName),
                                      QLocale().toString(static_cast<qulonglong>(recorder_->StepsSoFar()))));
    else if (race_->Clock() == 0 && !Playing())
        ui_->Status->setText(
            ItemsInWords(race_->NumItems(), ownItems_ && ui_->OrderChoice->currentIndex() > 0)
                .arg(ui_->OrderChoice->currentText()) +
            (countTyped_ && !ownItems_ ? " " + tr("Type at least two numbers to race your own.") : "") + " " +
            tr("Press Play or Space to start."));
    else
        ui_->Status->setText(Playing() ? tr("Racing...") : tr("Paused."));
}

}  // namespace race_window
