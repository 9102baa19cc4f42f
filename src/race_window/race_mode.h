#pragma once

namespace race_window {

// What the race is doing, which decides what its keys and buttons do; one mode at a time.
//
//   mode        Space, Play         Right, Step          Left, Back       Home, End, Page Up,
//                                                                         Page Down, the slider
//   Paused      plays               one step on          one step back    jumps
//   Playing     pauses              pauses, one step on  pauses, one back pauses, jumps
//   Answering   picks at the cursor the cursor right     the cursor left  a word: answer first
//
// Enter is a panel's own: it looks at the panel's method, or answers while a question waits.
// Playing stops by itself at the race's end and where a question is to be asked; an answer,
// or leaving Predict mode or the method asked about, ends the question and the race stands
// paused.
class RaceMode {
public:
    enum class Mode { Paused, Playing, Answering };
    enum class Key { PlayPause, StepOn, StepBack, Jump };
    enum class Action { Play, Pause, StepOn, StepBack, Jump, PickAtCursor, CursorRight, CursorLeft, AnswerFirst };

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
            case Key::Jump:
                return Answering() ? Action::AnswerFirst : Action::Jump;
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
