#pragma once

#include "race/lesson_settings.h"
#include "race/pace.h"
#include "race/race.h"
#include "race/race_options.h"
#include "race_window/race_mode.h"

#include <QElapsedTimer>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QMenu;
class QShortcut;

namespace Ui {
class RaceWindow;
}

namespace race_window {

class Quiz;
class RaceWindow;
class MethodsMenu;
class ScriptRecorder;
class Projector;
class SoundSwitch;

// Something the window makes of its race besides showing it, such as a video: its entry in the
// Lesson menu, the files it writes, and the writing itself.
struct WindowExport {
    QString menuText;
    QString fileTypes;  // the save dialog's choice of types
    QString suffix;     // given to a name the user leaves without one
    // Why it cannot be made of the race as it stands, asked before the dialog; empty where it can.
    std::function<QString(const RaceWindow&)> refusal;
    // Writes it: the status line's words where written, else throws std::runtime_error with why not.
    std::function<QString(RaceWindow&, const QString& path)> write;
};

// The chosen methods side by side on the same items, paced by their work: the count, the
// initial order and the seed choose the items, or the user types them; play, pause, a step
// forward or back, the speed and restart drive the race, and each step can be heard. The
// window never blocks: the sorts are recorded first and replayed on a timer.
class RaceWindow : public QWidget {
    Q_OBJECT

public:

    explicit RaceWindow(const race::RaceOptions& options = {}, QWidget* parent = nullptr);
    ~RaceWindow() override;

    const race::Race& CurrentRace() const { return *race_; }
    bool Playing() const { return mode_.Playing(); }
    bool SoundOn() const;
    const race::Pace& Speed() const { return pace_; }
    // The lane looked at, if any.
    std::optional<std::size_t> LookedAt() const;
    // The race stops where it stands.
    void Pause() { SetPlaying(false); }
    // An entry of the Lesson menu: the window offers it from then on.
    void AddExport(WindowExport kind);

    // Opens the lesson at `path` as far as it is sound, the settings `over` on top, saying what
    // was not; the race stays as it was where the file holds no lesson. False then. The scripts
    // a lesson names run only once the user agreed.
    bool OpenLessonFile(const QString& path, const race::LessonSettings& over = {});
    // Asks the user whether the scripts at these paths may run; by default in a dialog.
    // A question the window asks the user before it runs what it was given.
    struct YesOrNo {
        QString title, text, yes, no;
    };
    // Who answers the window's questions: the user, in a dialog, unless told otherwise.
    void SetAsker(std::function<bool(const YesOrNo& question)> ask) { asker_ = std::move(ask); }
    void SaveLessonFile(const QString& path);
    // The settings of the race as it stands, and the race set to those given.
    race::LessonSettings CurrentLesson() const;
    void ApplyLesson(const race::LessonSettings& settings);

public slots:
    void PlayOrPause();
    void Step();
    void Back();
    void Restart();
    // To a step of the race's clock, at once.
    void JumpTo(std::uint64_t clock);
    void Faster();
    void Slower();
    void NewItems();
    void TogglePredict();
    void Leave();
    // Lessons: the race as it is set, kept in a file and opened again, or as a command line.
    void OpenLesson();
    void SaveLesson();
    void CopyAsCommand();


protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void SetUpControls(const race::RaceOptions& options);
    void ConnectControls();
    void AddShortcuts();
    void ConnectPanels();
    void GoOn(std::uint64_t steps);
    // The items of the command line, if it named any, in the field.
    std::int32_t TakeItemsAsked(const race::RaceOptions& options);
    // Takes the count or the items the Items field holds, or the seed, if it can; false
    // where it is refused.
    bool ApplyItems();
    bool ApplySeed();
    void UseOwnItems(const std::vector<float>& items);
    void UseRandomItems(bool showCount);
    // The orders as they apply to the items: to typed ones, all but few-unique.
    void ShowOrders();
    void FocusRace();
    void FitSpeedTo(std::int32_t count);
    // Races the methods checked in the menu, if there are enough of them.
    void ApplyMethods();
    // Records a new race of the items the controls ask for, at its start and paused.
    void StartRace(std::int32_t count);
    // What the race is made of: its methods, items and scripts.
    race::LessonSettings RacingLesson() const;
    void Tick();
    void ShowProgress();
    void ShowSpeed();
    void SetPlaying(bool playing);
    // A key or button of the race, as the mode takes it.
    void Press(RaceMode::Key key);
    void ShowClock();
    void PlaceCode();
    void ShowLookedAt();
    // Students' sorts: chosen in a dialog, recorded on the race's items away from the window,
    // and joining the race where it stands once recorded.
    void SetUpScripts(const race::RaceOptions& options);
    void ChooseScript();
    void StopRecording();
    void RecordScripts();
    void JoinScripts(std::shared_ptr<std::vector<race::Recording>> recordings);
    void SetUpLessons();
    void AskForExport(const WindowExport& kind);
    bool Ask(const YesOrNo& question);
    // Where nothing can protect the user's files, a script runs only where the user says so.
    void AllowUnprotected(script::ScriptFile& file);
    void ApplyItemsAsked(const race::ItemsAsked& items);
    // Looks at the lane of this method's key or script's name; false where none races.
    bool FocusOn(const std::string& focus);

    std::unique_ptr<Ui::RaceWindow> ui_;
    MethodsMenu* methodsMenu_ = nullptr;
    SoundSwitch* sound_ = nullptr;
    Quiz* quiz_ = nullptr;
    QMenu* lessonMenu_ = nullptr;
    std::vector<WindowExport> exports_;
    std::function<bool(const YesOrNo& question)> asker_;
    bool unprotected_ = false;  // --unprotected: every script may run where no sandbox works
    std::vector<std::string> unprotectedAsked_;  // the scripts the user was asked that of
    double scriptSeconds_ = race::kScriptSeconds;
    Projector* projector_ = nullptr;
    QShortcut* confirm_ = nullptr;
    std::vector<sorting::SortMethod> methods_;
    std::vector<script::ScriptFile> scripts_;
    ScriptRecorder* recorder_ = nullptr;
    std::unique_ptr<race::Race> race_;
    std::int32_t count_ = race::kDefaultCount;
    std::optional<std::vector<float>> ownItems_;  // typed, element 0 first
    bool countTyped_ = false;                     // the Items field was given one number
    double seed_ = 1;
    std::optional<std::string> focusLater_;  // a script's, once it has joined the race
    std::optional<int> speedBeforeFew_;  // while a race of a few items goes slowly
    race::Pace pace_;
    RaceMode mode_;
    QTimer timer_;  // runs while the race plays
    QElapsedTimer clock_;
};

}  // namespace race_window
