#pragma once

#include "platform/rgb.h"

#include <QColor>
#include <QLocale>
#include <QString>

#include <string_view>

namespace desktop {

// A colour of the runtime's form as Qt takes it.
inline QRgb ToRgb(platform::Colour c) { return qRgb(platform::RedOf(c), platform::GreenOf(c), platform::BlueOf(c)); }

// A name of the Qt-free core (a method, an order) as Qt text.
inline QString ToQString(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

// The user's decimal sign, where it is one character of ASCII; else the point.
inline char DecimalPoint(const QLocale& locale = QLocale())
{
    const QString point = locale.decimalPoint();
    return point.size() == 1 && point[0].unicode() < 128 ? static_cast<char>(point[0].unicode()) : '.';
}

}  // namespace desktop
