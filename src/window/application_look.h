#pragma once

class QApplication;

namespace window {

// The font and icon the window was laid out for: a small sans-serif font at 11 pixels
// (8 points at 96 dots per inch), so that every caption fits its control, and the program's
// icon in its three images.
void ApplyApplicationLook(QApplication& app);

}  // namespace window
