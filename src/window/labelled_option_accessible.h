#pragma once

namespace window {

// Option buttons without a caption of their own, such as the three mode options, name the
// control that labels them in the dynamic property "labelledBy": assistive technology then
// hears that control's caption as the option's name, and the two are related as label and
// labelled.
void InstallLabelledOptionAccessibility();

}  // namespace window
