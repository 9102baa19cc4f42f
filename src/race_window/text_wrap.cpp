#include "race_window/text_wrap.h"

namespace race_window {

QStringList Wrapped(const QStringList& pieces, const QString& gap, const QFontMetrics& metrics, int width, int most)
{
    QStringList lines;
    for (const QString& piece : pieces) {
        if (!lines.isEmpty() && metrics.horizontalAdvance(lines.back() + gap + piece) <= width)
            lines.back() += gap + piece;
        else
            lines << piece;
    }
    if (lines.size() > most) {
        lines = lines.mid(0, most);
        lines.back() = metrics.elidedText(lines.back() + " \u2026", Qt::ElideRight, width);
    }
    return lines;
}

QStringList WrappedWords(const QString& text, const QFontMetrics& metrics, int width, int most)
{
    return Wrapped(text.split(' ', Qt::SkipEmptyParts), " ", metrics, width, most);
}

}  // namespace race_window
