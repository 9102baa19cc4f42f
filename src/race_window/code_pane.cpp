#include "race_window/code_pane.h"

#include "desktop/qt_conversions.h"
#include "race_window/step_words.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

#include <cmath>

namespace race_window {
namespace {

// The code's words are translated as a whole line, in the context of the code.
QString CodeText(std::string_view line) { return QCoreApplication::translate("Code", line.data()); }

// A line's indent kept.
QString Indented(const QString& line)
{
    const auto indent = std::find_if(line.begin(), line.end(), [](QChar c) { return c != ' '; }) - line.begin();
    return QString("&nbsp;").repeated(indent) + line.mid(indent).toHtmlEscaped();
}

}  // namespace

CodePane::CodePane(QWidget* parent)
    : QFrame(parent),
      title_(new QLabel(this)),
      lines_(new QLabel(this)),
      variables_(new QLabel(this)),
      details_(new QLabel(this)),
      printed_(new QPlainTextEdit(this))
{
    setObjectName("CodePane");
    setFrameShape(QFrame::StyledPanel);
    QFont code = font();
    code.setFamily("monospace");
    code.setStyleHint(QFont::Monospace);
    lines_->setFont(code);
    lines_->setTextFormat(Qt::RichText);
    // A line is never broken: the pane is as wide as its longest line.
    lines_->setWordWrap(false);
    lines_->setObjectName("CodeLines");
    // A script's file name and its variables' names come from outside: never markup.
    title_->setTextFormat(Qt::PlainText);
    variables_->setTextFormat(Qt::PlainText);
    variables_->setFont(code);
    variables_->setObjectName("CodeVariables");
    variables_->setWordWrap(true);
    QFont bold = font();
    bold.setBold(true);
    title_->setFont(bold);
    auto* layout = new QVBoxLayout(this);
    layout->addSpacing(0);  // above the code: where it stands level with the panel looked at
    layout->addWidget(title_);
    layout->addWidget(lines_);
    layout->addWidget(variables_);
    details_->setObjectName("Details");
    details_->setTextFormat(Qt::PlainText);
    details_->setWordWrap(true);
    details_->hide();
    layout->addWidget(details_);
    // What a script prints, under its code: text as it came, never markup, a few lines high.
    printed_->setObjectName("Printed");
    printed_->setReadOnly(true);
    printed_->setFont(code);
    printed_->setLineWrapMode(QPlainTextEdit::NoWrap);
    printed_->setFixedHeight(QFontMetrics(code).lineSpacing() * 6 + 2 * printed_->frameWidth() + 8);
    printed_->setAccessibleName(tr("What your sort printed"));
    printed_->hide();
    layout->addWidget(printed_);
    layout->addStretch(1);
}

void CodePane::Follow(const race::Replay& lane)
{
    ShowPrinted(lane.Source().script ? &*lane.Source().script : nullptr, lane.StepsDone());
    const QString details = lane.Source().script && !lane.Source().script->details.empty()
                                ? tr("In Python's words:") + "\n" +
                                      desktop::Shortened(lane.Source().script->details, desktop::kLongestMessage)
                                : QString();
    details_->setText(details);
    details_->setVisible(!details.isEmpty());
    if (lane.Source().script) return FollowScript(*lane.Source().script, lane.StepsDone());
    const sorting::SortMethod method = *lane.Source().source.Method();
    const sorting::MethodCode& code = sorting::Facts(method).code;
    const QString name = desktop::ToQString(sorting::MethodTitle(method));
    title_->setText(tr("%1, its code").arg(name));
    setAccessibleName(tr("Code of %1").arg(name));
    marked_ = lane.Line();
    const race::CodeNotes::Note now = lane.Code();
    surrounding_ = sorting::SurroundingLines(code.lines, marked_, now.caller);
    QStringList texts;
    for (const sorting::CodeLine& line : code.lines) texts << CodeText(line.text);
    lines_->setText(LinesText(texts));
    QStringList values;
    for (std::size_t v = 0; v < now.values.size(); ++v)
        if (!std::isnan(now.values[v]))  // a variable and its value are never broken apart
            values << QString("%1\u00A0=\u00A0%2").arg(CodeText(code.variables[v]), ValueText(now.values[v]));
    variables_->setText(values.join("   "));
    setAccessibleDescription(
        marked_ > 0 ? tr("Line %1: %2. %3")
                          .arg(marked_)
                          .arg(CodeText(code.lines[std::size_t(marked_) - 1].text).trimmed(), values.join(", "))
                    : tr("No step yet."));
}

// A student's script: its own file, the line of the step marked, and its local numbers exactly
// as Python wrote them.
void CodePane::FollowScript(const race::ScriptCode& code, std::uint64_t stepsDone)
{
    const QString name = desktop::Shortened(code.name, desktop::kLongestName);
    title_->setText(tr("%1, its code").arg(name));
    setAccessibleName(tr("Code of %1").arg(name));
    const script::ScriptNotes::Now now = code.notes.At(stepsDone);
    marked_ = now.line;
    surrounding_.clear();
    QStringList texts;
    for (const std::string& line : code.lines) texts << QString::fromStdString(line);
    lines_->setText(LinesText(texts));
    QStringList values;
    for (const auto& [variable, value] : now.numbers)
        values << QString("%1\u00A0=\u00A0%2").arg(QString::fromStdString(variable), QString::fromStdString(value));
    variables_->setText(values.join("   "));
    setAccessibleDescription(
        marked_ > 0 && marked_ <= texts.size()
            ? tr("Line %1: %2. %3").arg(marked_).arg(texts[marked_ - 1].trimmed(), values.join(", "))
            : tr("No step yet."));
}

// The current line marked with an arrow, those around it that it stands within or is called
// from in a lighter shade.
QString CodePane::LinesText(const QStringList& lines) const
{
    const QColor shade = palette().highlight().color();
    QStringList shown;
    for (int index = 0; index < lines.size(); ++index) {
        const int number = index + 1;
        const QString text = Indented(lines[index]);
        if (number == marked_)
            shown
                << QString("<span style=\"background:%1\">&#9654;&nbsp;%2</span>").arg(shade.lighter(170).name(), text);
        else if (std::ranges::count(surrounding_, number) > 0)
            shown
                << QString("<span style=\"background:%1\">&nbsp;&nbsp;%2</span>").arg(shade.lighter(190).name(), text);
        else
            shown << "&nbsp;&nbsp;" + text;
    }
    return shown.join("<br>");
}

// The lines printed by the step, the newest at the bottom; set anew only where they change.
void CodePane::ShowPrinted(const race::ScriptCode* code, std::uint64_t stepsDone)
{
    const auto by = [&](const auto& line) { return line.first > stepsDone; };
    const std::size_t shown = code ? static_cast<std::size_t>(std::ranges::find_if(code->printed, by) -
                                                              code->printed.begin())
                                   : 0;
    printed_->setVisible(code && !code->printed.empty());
    if (code == printedOf_ && shown == printedShown_) return;
    printedOf_ = code;
    printedShown_ = shown;
    QStringList lines;
    for (std::size_t i = 0; i < shown; ++i) lines << QString::fromStdString(code->printed[i].second);
    printed_->setPlainText(lines.join('\n'));
    printed_->verticalScrollBar()->setValue(printed_->verticalScrollBar()->maximum());
}

QString CodePane::PrintedText() const { return printed_->toPlainText(); }

QString CodePane::DetailsText() const { return details_->text(); }

void CodePane::StandLevelWith(int top)
{
    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    auto* above = layout->itemAt(0)->spacerItem();
    // Never so low that the pane would ask for more room than it has.
    const int room = height() - (layout->sizeHint().height() - above->sizeHint().height());
    const int offset = std::clamp(top, 0, std::max(room, 0));
    if (above->sizeHint().height() == offset) return;
    above->changeSize(0, offset, QSizePolicy::Minimum, QSizePolicy::Fixed);
    layout->invalidate();
}

QString CodePane::VariablesText() const { return variables_->text(); }

}  // namespace race_window
