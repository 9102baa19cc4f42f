#include "race_window/sound_switch.h"

#include "race/step_tones.h"
#include "race_window/race_sound.h"

#include <QCheckBox>
#include <QSettings>

namespace race_window {

SoundSwitch::SoundSwitch(QCheckBox* box, bool asked, QObject* parent)
    : QObject(parent), box_(box), sound_(new RaceSound(this))
{
    if (const auto why = sound_->Unavailable()) {
        Lost(*why);
        return;
    }
    box_->setToolTip(tr("Hear each step: the larger the item it touches, the higher the tone"));
    QSettings settings;
    box_->setChecked(asked || settings.value("sound", false).toBool());
    if (asked) settings.setValue("sound", true);
    connect(box_, &QCheckBox::toggled, this, &SoundSwitch::Toggle);
    connect(sound_, &RaceSound::Lost, this, &SoundSwitch::Lost);
}

bool SoundSwitch::On() const { return box_->isEnabled() && box_->isChecked(); }

void SoundSwitch::Start(int voices)
{
    voices_ = voices;
    if (On()) sound_->Start(voices_);
}

void SoundSwitch::Silence()
{
    voices_ = 0;
    sound_->Silence();
}

void SoundSwitch::Toggle(bool on)
{
    QSettings().setValue("sound", on);
    if (!on) sound_->Silence();
    if (on && voices_ > 0) sound_->Start(voices_);
}

void SoundSwitch::Lost(const QString& reason)
{
    sound_->Silence();
    // The user's choice is kept for a start where the output is back.
    const QSignalBlocker quiet(box_);
    box_->setChecked(false);
    box_->setEnabled(false);
    box_->setToolTip(tr("No sound: %1").arg(reason));
}

void SoundSwitch::Touch(const race::Race& race)
{
    if (!On()) return;
    for (const auto& [voice, share] : race::LastStepTones(race)) sound_->Touch(voice, share);
}

}  // namespace race_window
