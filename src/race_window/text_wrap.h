#pragma once

#include <QFontMetrics>
#include <QStringList>

#include <climits>

namespace race_window {

// Pieces of text joined by `gap` on lines no wider than `width`, at most `most` of them; the
// last line is cut short, visibly, where they do not fit. A piece wider than a line stands
// on a line of its own.
QStringList Wrapped(const QStringList& pieces, const QString& gap, const QFontMetrics& metrics, int width,
                    int most = INT_MAX);

// The words of a text, likewise.
QStringList WrappedWords(const QString& text, const QFontMetrics& metrics, int width, int most = INT_MAX);

}  // namespace race_window
