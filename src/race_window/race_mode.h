#pragma once

namespace race_window {

// What the race is doing, which decides what its keys and buttons do; one mode at a time.
//
//   mode        Space, Play         Right, Step          Left, Back           Enter
//   Paused      plays               one step on          one step back        (a panel's own)
//   Playing     pauses              pauses, one step on  pauses, one back     (a panel's own)
//   Answering   picks at the cursor the cursor right     the cursor left      answers
//
// Playing stops by itself at the race's end and where a question is to be asked; an answer,
// or leaving Predict mode or the method asked about, ends the question and the race stands
// paused.
class RaceMode {
public:
    enum class Mode { Paused, Playing, Answering };
    enum class Key { PlayPause, StepOn, StepBack };
    enum class Action { Play, Pause, StepOn, StepBack, PickAtCursor, CursorRight, CursorLeft };

    Mode Now() const { return now_; }
    bool Playing() const { return now_ == Mode::Playing; }
    bool Answering() const { return now_ == Mode::Answering; }

    // What a key does in the mode now.
    Action On(Key key) const
    {
        switch (key) {
            case Key::PlayPause:
                return Answering() ? Action::PickAtCursor : Playing() ? Action::Pause : Action::Play;
            case Key::StepOn:
                return Answering() ? Action::CursorRight : Action::StepOn;
            case Key::StepBack:
                break;
        }
        return Answering() ? Action::CursorLeft : Action::StepBack;
    }

    void Play() { now_ = Mode::Playing; }
    void Pause() { now_ = Mode::Paused; }
    void Ask() { now_ = Mode::Answering; }
    void EndQuestion()
    {
        if (Answering()) now_ = Mode::Paused;
    }

private:
    Mode now_ = Mode::Paused;
};

}  // namespace race_window
