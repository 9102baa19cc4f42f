#pragma once

#include "race/race.h"

#include <QObject>

class QCheckBox;

namespace race_window {

class RaceSound;

// The Sound box and the tones behind it. The choice is remembered between starts; where no
// output opens, or the one in use goes away, the box is disabled and its tip says why, and
// the race goes on without sound.
class SoundSwitch : public QObject {
    Q_OBJECT

public:
    // `asked`: sound was asked for on the command line.
    SoundSwitch(QCheckBox* box, bool asked, QObject* parent);

    bool On() const;
    // The race plays, with one voice per method; it sounds while the box is checked.
    void Start(int voices);
    // The race stops: at once silent.
    void Silence();
    // Each method still racing sounds its last step: the item it touched, by its place among
    // the items' values.
    void Touch(const race::Race& race);

private:
    void Toggle(bool on);
    void Lost(const QString& reason);

    QCheckBox* box_;
    RaceSound* sound_;
    int voices_ = 0;  // while the race plays
};

}  // namespace race_window
