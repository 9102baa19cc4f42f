#pragma once

#include "platform/rgb.h"

#include <QColor>
#include <QString>

#include <string_view>

namespace platform {

// A colour of the runtime's form as Qt takes it.
inline QRgb ToRgb(Colour c) { return qRgb(RedOf(c), GreenOf(c), BlueOf(c)); }

// A name of the Qt-free core (a method, an order) as Qt text.
inline QString ToQString(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

}  // namespace platform
