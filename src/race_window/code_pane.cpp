#include "race_window/code_pane.h"

#include "desktop/qt_conversions.h"
#include "race_window/step_words.h"

#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

#include <cmath>

namespace race_window {
namespace {

// The code's words are translated as a whole line, in the context of the code.
QString CodeLine(std::string_view line) { return QCoreApplication::translate("Code", line.data()); }

// A line's indent kept; a line too long for the pane wraps at its blanks rather than be cut.
QString Indented(const QString& line)
{
    const auto indent = std::find_if(line.begin(), line.end(), [](QChar c) { return c != ' '; }) - line.begin();
    return QString("&nbsp;").repeated(indent) + line.mid(indent).toHtmlEscaped();
}

}  // namespace

CodePane::CodePane(QWidget* parent)
    : QFrame(parent), title_(new QLabel(this)), lines_(new QLabel(this)), variables_(new QLabel(this))
{
    setObjectName("CodePane");
    setFrameShape(QFrame::StyledPanel);
    QFont code = font();
    code.setFamily("monospace");
    code.setStyleHint(QFont::Monospace);
    lines_->setFont(code);
    lines_->setTextFormat(Qt::RichText);
    lines_->setWordWrap(true);
    lines_->setObjectName("CodeLines");
    variables_->setFont(code);
    variables_->setObjectName("CodeVariables");
    variables_->setWordWrap(true);
    QFont bold = font();
    bold.setBold(true);
    title_->setFont(bold);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title_);
    layout->addWidget(lines_);
    layout->addWidget(variables_);
    layout->addStretch(1);
}

void CodePane::Follow(const race::Replay& lane, const race::CodeTrack& track)
{
    const sorting::MethodCode& code = sorting::Facts(track.Method()).code;
    const QString name = desktop::ToQString(sorting::MethodTitle(track.Method()));
    title_->setText(tr("%1, its code").arg(name));
    setAccessibleName(tr("Code of %1").arg(name));
    const int line = lane.Line();
    QStringList shown;
    for (std::size_t l = 0; l < code.lines.size(); ++l) {
        const QString text = Indented(CodeLine(code.lines[l]));
        shown << (int(l) + 1 == line ? QString("<span style=\"background:%1\">&#9654;&nbsp;%2</span>")
                                           .arg(palette().highlight().color().lighter(170).name(), text)
                                     : "&nbsp;&nbsp;" + text);
    }
    lines_->setText(shown.join("<br>"));
    QStringList values;
    const std::span<const float> now = track.ValuesAt(lane.StepsDone());
    for (std::size_t v = 0; v < now.size() && line > 0; ++v)
        if (!std::isnan(now[v])) values << QString("%1 = %2").arg(CodeLine(code.variables[v]), ValueText(now[v]));
    variables_->setText(values.join("   "));
    marked_ = line;
    setAccessibleDescription(line > 0
                                 ? tr("Line %1: %2. %3")
                                       .arg(line)
                                       .arg(CodeLine(code.lines[std::size_t(line) - 1]).trimmed(), values.join(", "))
                                 : tr("No step yet."));
}

QString CodePane::VariablesText() const { return variables_->text(); }

}  // namespace race_window
