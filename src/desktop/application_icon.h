#pragma once

class QIcon;

namespace desktop {

// The programs' icon, in its three images: 32 × 32 in 2 and in 16 colours, 16 × 16 in 16.
QIcon ApplicationIcon();

}  // namespace desktop
