#pragma once

namespace desktop {

// Lets assistive technology read the picture box: its name is what it shows in words, the
// lines printed since the last Cls, or its own accessible name while it shows no text.
void InstallPictureBoxAccessibility();

}  // namespace desktop
