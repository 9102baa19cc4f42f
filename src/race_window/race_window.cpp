#include "race_window/race_window.h"

#include "platform/qt_conversions.h"
#include "platform/random_generator.h"
#include "platform/run_time_error.h"
#include "platform/val.h"
#include "race/item_list.h"
#include "race_window/mark_colours.h"
#include "race_window/race_panel.h"
#include "race_window/race_sound.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QShortcut>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

namespace race_window {
namespace {

constexpr int kFrameMilliseconds = 16;

// A label for a control, read out with it by assistive technology.
QLabel* LabelFor(QWidget* control, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(control);
    return label;
}

// "two" to "seven": how many methods race.
QString NumberWord(std::size_t n)
{
    static const char* const words[] = {"two", "three", "four", "five", "six", "seven"};
    return n >= 2 && n <= 7 ? QString(words[n - 2]) : QString::number(n);
}

}  // namespace

RaceWindow::RaceWindow(const race::RaceOptions& options, QWidget* parent) : QWidget(parent), methods_(options.methods)
{
    setObjectName("RaceWindow");
    setWindowTitle(tr("Sorting Race"));
    BuildControls();
    BuildSound(options.sound);
    timer_.setInterval(kFrameMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &RaceWindow::Tick);
    std::int32_t count = kDefaultCount;
    if (options.items && std::holds_alternative<std::int32_t>(*options.items))
        count = std::get<std::int32_t>(*options.items);
    if (options.items && std::holds_alternative<std::vector<float>>(*options.items)) {
        ownItems_ = std::get<std::vector<float>>(*options.items);
        QStringList numbers;
        for (std::size_t i = 1; i < ownItems_->size(); ++i) numbers << QLocale().toString((*ownItems_)[i]);
        countField_->setText(numbers.join(' '));
        count = static_cast<std::int32_t>(ownItems_->size()) - 1;
    } else {
        countField_->setText(QString::number(count));
    }
    StartRace(count);
    // The keys act at once, not in a text field.
    playButton_->setFocus();
}

RaceWindow::~RaceWindow() = default;

void RaceWindow::BuildControls()
{
    countField_ = new QLineEdit(QString::number(kDefaultCount), this);
    countField_->setObjectName("CountField");
    countField_->setAccessibleName(tr("Number of items"));
    countField_->setToolTip(tr("How many items race, 1 to %1, or the items themselves: 2 to %1 numbers such as "
                               "5 3 8 1 9; press Enter to take them")
                                .arg(race::kMaxItems));
    countField_->setMinimumWidth(70);
    problem_ = new QLabel(this);
    problem_->setObjectName("Problem");
    problem_->setStyleSheet("color: #b00000");

    orderChoice_ = new QComboBox(this);
    orderChoice_->setObjectName("OrderChoice");
    for (sorting::InitialOrder order : sorting::kInitialOrders)
        orderChoice_->addItem(platform::ToQString(sorting::OrderName(order)));
    orderChoice_->setAccessibleName(tr("Initial order"));
    orderChoice_->setToolTip(tr("How the items stand before the race"));

    seedField_ = new QLineEdit("1", this);
    seedField_->setObjectName("SeedField");
    seedField_->setAccessibleName(tr("Random seed"));
    seedField_->setToolTip(tr("The same seed, count and order give the same items; press Enter to take it"));
    seedField_->setMaximumWidth(90);
    methodsButton_ = new QToolButton(this);
    methodsButton_->setObjectName("MethodsButton");
    methodsButton_->setAccessibleName(tr("Methods"));
    methodsButton_->setToolTip(tr("Which methods race: two or more"));
    methodsButton_->setPopupMode(QToolButton::InstantPopup);
    methodsButton_->setFocusPolicy(Qt::StrongFocus);
    methodsMenu_ = new QMenu(methodsButton_);
    methodsMenu_->setObjectName("MethodsMenu");
    for (sorting::SortMethod method : sorting::kAllMethods) {
        QAction* action = methodsMenu_->addAction(platform::ToQString(sorting::MethodName(method)));
        action->setCheckable(true);
        action->setChecked(std::find(methods_.begin(), methods_.end(), method) != methods_.end());
        action->setData(static_cast<int>(method));
        connect(action, &QAction::toggled, this, &RaceWindow::ApplyMethods);
    }
    methodsButton_->setMenu(methodsMenu_);
    auto* newItems = new QPushButton(tr("New items"), this);
    newItems->setObjectName("NewItemsButton");
    newItems->setToolTip(tr("Draw new random items with a new seed"));

    playButton_ = new QPushButton(tr("Play"), this);
    playButton_->setObjectName("PlayButton");
    playButton_->setToolTip(tr("Start or pause the race (Space)"));
    auto* step = new QPushButton(tr("Step"), this);
    step->setObjectName("StepButton");
    step->setToolTip(tr("Every method goes on by one step (Right); hold to go on"));
    step->setAutoRepeat(true);
    auto* back = new QPushButton(tr("Back"), this);
    back->setObjectName("BackButton");
    back->setToolTip(tr("Every method goes back by one step (Left); hold to go on back"));
    back->setAutoRepeat(true);
    auto* restart = new QPushButton(tr("Restart"), this);
    restart->setObjectName("RestartButton");
    restart->setToolTip(tr("Back to the start with the same items (R)"));

    speedSlider_ = new QSlider(Qt::Horizontal, this);
    speedSlider_->setObjectName("SpeedSlider");
    speedSlider_->setRange(race::Pace::kSlowest, race::Pace::kFastest);
    speedSlider_->setValue(pace_.Notch());
    speedSlider_->setPageStep(race::Pace::kNotchesPerDecade);
    speedSlider_->setAccessibleName(tr("Speed"));
    speedSlider_->setToolTip(tr("Steps per second, on a logarithmic scale (+ and -)"));
    speedSlider_->setMinimumWidth(140);
    speedLabel_ = new QLabel(this);
    speedLabel_->setObjectName("SpeedLabel");
    speedLabel_->setMinimumWidth(130);

    auto* items = new QHBoxLayout;
    items->addWidget(LabelFor(countField_, tr("&Items:"), this));
    items->addWidget(countField_, 1);
    items->addWidget(LabelFor(orderChoice_, tr("&Order:"), this));
    items->addWidget(orderChoice_);
    items->addWidget(LabelFor(seedField_, tr("S&eed:"), this));
    items->addWidget(seedField_);
    items->addWidget(newItems);
    items->addWidget(LabelFor(methodsButton_, tr("&Methods:"), this));
    items->addWidget(methodsButton_);
    auto* problems = new QHBoxLayout;
    problems->addWidget(problem_, 1);
    auto* drive = new QHBoxLayout;
    drive->addWidget(playButton_);
    drive->addWidget(back);
    drive->addWidget(step);
    drive->addWidget(LabelFor(speedSlider_, tr("S&peed:"), this));
    drive->addWidget(speedSlider_);
    drive->addWidget(speedLabel_);
    drive->addWidget(restart);
    soundCheck_ = new QCheckBox(tr("So&und"), this);
    soundCheck_->setObjectName("SoundCheck");
    soundCheck_->setAccessibleName(tr("Sound"));
    drive->addWidget(soundCheck_);
    drive->addStretch(1);
    // What the marks on the bars mean, in their colours.
    const auto swatch = [](platform::Colour colour) {
        return QString("<span style=\"color:%1\">&#9632;</span>").arg(QColor(platform::ToRgb(colour)).name());
    };
    auto* legend = new QLabel(tr("Marked: %1 the two items compared, %2 the items moved or written")
                                  .arg(swatch(kComparedColour), swatch(kMovedColour)),
                              this);
    legend->setObjectName("Legend");
    legend->setTextFormat(Qt::RichText);
    legend->setAccessibleName(tr("Marked: in black the two items compared, in amber the items moved or written"));
    problems->addWidget(legend);

    grid_ = new QGridLayout;
    status_ = new QLabel(this);
    status_->setObjectName("Status");

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(items);
    layout->addLayout(drive);
    layout->addLayout(problems);
    layout->addLayout(grid_, 1);
    layout->addWidget(status_);

    connect(countField_, &QLineEdit::editingFinished, this, &RaceWindow::ApplyItems);
    connect(seedField_, &QLineEdit::editingFinished, this, &RaceWindow::ApplySeed);
    connect(orderChoice_, &QComboBox::currentIndexChanged, this, [this] {
        ownItems_.reset();
        StartRace(count_);
    });
    connect(newItems, &QPushButton::clicked, this, &RaceWindow::NewItems);
    connect(playButton_, &QPushButton::clicked, this, &RaceWindow::PlayOrPause);
    connect(step, &QPushButton::clicked, this, &RaceWindow::Step);
    connect(back, &QPushButton::clicked, this, &RaceWindow::Back);
    connect(restart, &QPushButton::clicked, this, &RaceWindow::Restart);
    connect(speedSlider_, &QSlider::valueChanged, this, [this](int notch) {
        pace_.SetNotch(notch);
        ShowSpeed();
    });
    ShowSpeed();

    // The keys work wherever the focus is but in a text field, where they type.
    const auto shortcut = [this](QKeySequence keys, void (RaceWindow::*action)()) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, action);
    };
    shortcut(Qt::Key_Space, &RaceWindow::PlayOrPause);
    // Held down, they repeat.
    shortcut(Qt::Key_Right, &RaceWindow::Step);
    shortcut(Qt::Key_Left, &RaceWindow::Back);
    shortcut(Qt::Key_R, &RaceWindow::Restart);
    // "+" comes with Shift on most keyboards, and without it on the keypad.
    for (const QKeySequence& keys : {QKeySequence(Qt::Key_Plus), QKeySequence(Qt::SHIFT | Qt::Key_Plus),
                                     QKeySequence(Qt::KeypadModifier | Qt::Key_Plus), QKeySequence(Qt::Key_Equal)})
        shortcut(keys, &RaceWindow::Faster);
    for (const QKeySequence& keys : {QKeySequence(Qt::Key_Minus), QKeySequence(Qt::KeypadModifier | Qt::Key_Minus)})
        shortcut(keys, &RaceWindow::Slower);
}

void RaceWindow::ApplyItems()
{
    race::ItemsAsked asked;
    try {
        asked = race::ReadItems(countField_->text().trimmed().toStdString(), platform::DecimalPoint());
    } catch (const race::ItemsRefused& refused) {
        // The race keeps its items; the field keeps the text, to be mended.
        problem_->setText(QString::fromStdString(refused.what()));
        return;
    }
    problem_->clear();
    if (const auto* count = std::get_if<std::int32_t>(&asked)) {
        if (*count == count_ && !ownItems_) return;
        ownItems_.reset();
        StartRace(*count);
        return;
    }
    const auto& items = std::get<std::vector<float>>(asked);
    if (ownItems_ == items) return;
    ownItems_ = items;
    StartRace(static_cast<std::int32_t>(items.size()) - 1);
}

void RaceWindow::ApplySeed()
{
    double seed = 0;
    try {
        seed = platform::Val(seedField_->text().toStdString());
    } catch (const platform::RunTimeError&) {
        problem_->setText(tr("The seed is too large a number; the items stay as they are."));
        return;
    }
    problem_->clear();
    if (seed != seed_) {
        seed_ = seed;
        ownItems_.reset();
        StartRace(count_);
    }
}

void RaceWindow::ApplyMethods()
{
    std::vector<sorting::SortMethod> chosen;
    for (QAction* action : methodsMenu_->actions())
        if (action->isChecked()) chosen.push_back(static_cast<sorting::SortMethod>(action->data().toInt()));
    if (chosen.size() < race::kFewestMethods) {
        // The race keeps its methods, and the menu shows them again.
        problem_->setText(tr("Choose at least two methods; the race keeps its %1.").arg(methods_.size()));
        for (QAction* action : methodsMenu_->actions()) {
            const QSignalBlocker quiet(action);
            action->setChecked(std::find(methods_.begin(), methods_.end(),
                                         static_cast<sorting::SortMethod>(action->data().toInt())) != methods_.end());
        }
        return;
    }
    problem_->clear();
    methods_ = chosen;
    StartRace(count_);
}

void RaceWindow::LayOutPanels()
{
    for (RacePanel* panel : panels_) delete panel;
    panels_.clear();
    // Two columns up to four methods, three beyond.
    const int columns = methods_.size() <= 4 ? 2 : 3;
    for (std::size_t i = 0; i < methods_.size(); ++i) {
        auto* panel = new RacePanel(methods_[i], this);
        grid_->addWidget(panel, static_cast<int>(i) / columns, static_cast<int>(i) % columns);
        panel->show();
        panels_.push_back(panel);
    }
    for (int c = 0; c < 3; ++c) grid_->setColumnStretch(c, c < columns ? 1 : 0);
    for (int r = 0; r < 3; ++r)
        grid_->setRowStretch(r, r < (static_cast<int>(methods_.size()) + columns - 1) / columns ? 1 : 0);
    methodsButton_->setText(tr("%1 methods").arg(methods_.size()));
}

void RaceWindow::BuildSound(bool asked)
{
    sound_ = new RaceSound(this);
    if (const auto why = sound_->Unavailable()) {
        SoundLost(*why);
        return;
    }
    soundCheck_->setToolTip(tr("Hear each step: the larger the item it touches, the higher the tone"));
    QSettings settings;
    soundCheck_->setChecked(asked || settings.value("sound", false).toBool());
    if (asked) settings.setValue("sound", true);
    connect(soundCheck_, &QCheckBox::toggled, this, &RaceWindow::SetSound);
    connect(sound_, &RaceSound::Lost, this, &RaceWindow::SoundLost);
}

bool RaceWindow::SoundOn() const { return soundCheck_->isEnabled() && soundCheck_->isChecked(); }

void RaceWindow::SetSound(bool on)
{
    QSettings().setValue("sound", on);
    if (!on) sound_->Silence();
    if (on && Playing()) sound_->Start(static_cast<int>(methods_.size()));
}

// Nothing else changes: the race goes on without sound.
void RaceWindow::SoundLost(const QString& reason)
{
    sound_->Silence();
    soundCheck_->setChecked(false);
    soundCheck_->setEnabled(false);
    soundCheck_->setToolTip(tr("No sound: %1").arg(reason));
}

// Each method still racing sounds its last step: the item it touched, by its place among the
// items' values.
void RaceWindow::Touch()
{
    if (!SoundOn()) return;
    const double low = race_->Smallest(), span = race_->Largest() - race_->Smallest();
    for (std::size_t m = 0; m < methods_.size(); ++m) {
        const race::Replay& lane = race_->Lane(methods_[m]);
        const race::StepSeen step = lane.LastStep();
        if (step.kind == race::StepSeen::Kind::None) continue;
        const std::int32_t item = step.first > 0 ? step.first : step.second;
        const double value = lane.Items()[static_cast<std::size_t>(item)];
        sound_->Touch(static_cast<int>(m), span > 0 ? (value - low) / span : 0.5);
    }
}

void RaceWindow::closeEvent(QCloseEvent* event)
{
    SetPlaying(false);
    QWidget::closeEvent(event);
}

void RaceWindow::NewItems()
{
    ownItems_.reset();
    platform::RandomGenerator generator;
    generator.Randomize();
    seed_ = std::floor(generator.Rnd() * 1e6);
    seedField_->setText(QString::number(seed_, 'f', 0));
    StartRace(count_);
}

void RaceWindow::StartRace(std::int32_t count)
{
    SetPlaying(false);
    count_ = count;
    const auto order = sorting::kInitialOrders[static_cast<std::size_t>(std::max(orderChoice_->currentIndex(), 0))];
    const bool samePanels = race_ && race_->Methods() == methods_;
    race_ = std::make_unique<race::Race>(ownItems_ ? *ownItems_ : sorting::MakeItems(count, seed_, order), methods_);
    if (!samePanels) LayOutPanels();
    for (RacePanel* panel : panels_) panel->Show(race_.get());
    ShowProgress();
}

void RaceWindow::SetPlaying(bool playing)
{
    if (playing) {
        clock_.start();
        timer_.start();
        if (SoundOn()) sound_->Start(static_cast<int>(methods_.size()));
    } else {
        timer_.stop();
        if (sound_) sound_->Silence();
    }
    playButton_->setText(playing ? tr("Pause") : tr("Play"));
    if (race_) ShowProgress();
}

void RaceWindow::PlayOrPause()
{
    if (!Playing() && race_->AllFinished()) Restart();
    SetPlaying(!Playing());
}

void RaceWindow::Step()
{
    SetPlaying(false);
    race_->Tick(1);
    ShowProgress();
}

void RaceWindow::Back()
{
    SetPlaying(false);
    race_->Back(1);
    ShowProgress();
}

void RaceWindow::Restart()
{
    SetPlaying(false);
    race_->Restart();
    ShowProgress();
}

void RaceWindow::Faster() { speedSlider_->setValue(speedSlider_->value() + race::Pace::kNotchesPerDecade / 2); }

void RaceWindow::Slower() { speedSlider_->setValue(speedSlider_->value() - race::Pace::kNotchesPerDecade / 2); }

void RaceWindow::Tick()
{
    const double seconds = static_cast<double>(clock_.restart()) / 1000.0;
    race_->Tick(pace_.StepsFor(seconds));
    ShowProgress();
    if (race_->AllFinished())
        SetPlaying(false);
    else
        Touch();
}

void RaceWindow::ShowSpeed()
{
    speedLabel_->setText(tr("%1 steps/s").arg(QLocale().toString(std::round(pace_.StepsPerSecond()), 'f', 0)));
}

void RaceWindow::ShowProgress()
{
    for (RacePanel* panel : panels_) panel->Refresh();
    if (race_->AllFinished())
        status_->setText(tr("All %1 are done: %2 finished first.")
                             .arg(NumberWord(race_->Methods().size()),
                                  platform::ToQString(sorting::MethodName(race_->FirstToFinish()))));
    else if (race_->Clock() == 0 && !Playing())
        status_->setText(tr("%1 items, %2. Press Play or Space to start.")
                             .arg(race_->NumItems())
                             .arg(ownItems_ ? tr("as typed") : orderChoice_->currentText()));
    else
        status_->setText(Playing() ? tr("Racing...") : tr("Paused."));
}

}  // namespace race_window
