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

// Text from outside (a file's name, a lesson's value, a script's message) at most `most`
// characters long, an ellipsis where it was longer: a label never grows past the screen.
inline QString Shortened(const QString& text, qsizetype most)
{
    return text.size() <= most ? text : text.left(most - 1) + QChar(0x2026);
}
inline QString Shortened(std::string_view text, qsizetype most) { return Shortened(ToQString(text), most); }

// How long a name, and a message, from outside may stand in a label.
inline constexpr qsizetype kLongestName = 48, kLongestMessage = 300;

}  // namespace desktop
