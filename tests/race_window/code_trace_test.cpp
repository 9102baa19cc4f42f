// The code pane against traces worked by hand (traces/*.trace): for each method on two short
// lists, the step, the line marked and the variables shown at every step, forward and after
// stepping back; and every line of every method's code marked over its cases.

#include "race_window/code_pane.h"
#include "support/step_trace.h"

#include <QRegularExpression>
#include <QTest>

#include <fstream>
#include <set>

namespace {

struct Trace {
    sorting::SortMethod method;
    std::vector<float> items;        // element 0 first
    std::vector<std::string> steps;  // as testing_support::TraceLine writes them
};

Trace Read(const QString& path)
{
    std::ifstream file(path.toStdString());
    Trace trace{};
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line.front() == '#') continue;
        if (line.starts_with("method ")) {
            for (sorting::SortMethod method : sorting::kAllMethods)
                if (sorting::MethodKey(method) == line.substr(7)) trace.method = method;
        } else if (line.starts_with("items ")) {
            std::istringstream values(line.substr(6));
            trace.items = {0};
            for (float value; values >> value;) trace.items.push_back(value);
        } else {
            trace.steps.push_back(line);
        }
    }
    return trace;
}

// "compare 1 2 | compare | pass=1 i=1" as the pane shows it: the marked line, the line it
// carries out a call of where it does, the variables.
QString PaneTrace(const race::Replay& lane, const race_window::CodePane& pane)
{
    const sorting::MethodCode& code = sorting::Facts(*lane.Source().source.Method()).code;
    QString variables = pane.VariablesText();
    variables.replace(QString("\u00A0=\u00A0"), "=").replace(QRegularExpression(" +"), " ");
    const std::string step = testing_support::StepText(lane.Source().steps[lane.StepsDone() - 1]);
    const int caller = lane.Code().caller;
    const bool callerMarked = caller > 0 && std::ranges::count(pane.SurroundingLines(), caller) > 0;
    return QString::fromStdString(step + " | " +
                                  testing_support::LineText(code, pane.MarkedLine(), callerMarked ? caller : 0)) +
           " | " + variables;
}

// Every line a step marks: its own, the line it carries out a call of, and those they stand in.
std::set<int> LinesReached(const race::Recording& recording)
{
    const sorting::MethodCode& code = sorting::Facts(*recording.source.Method()).code;
    std::set<int> reached;
    for (std::uint64_t k = 0; k < recording.steps.size(); ++k) {
        const int line = recording.steps[k].Line(), caller = recording.notes.At(k).caller;
        reached.insert(line);
        reached.insert(caller);
        for (int around : sorting::SurroundingLines(code.lines, line, caller)) reached.insert(around);
    }
    return reached;
}

// A permutation of 1 to 40 on which median quick sort peels off two items a partition, so that
// intro sort comes to heap sort; shell sort takes the gaps 13, 4 and 1 on it.
const std::vector<float> kLargerCase{0, 2, 22, 4, 32, 6,  24, 8,  39, 10, 26, 12, 34, 14, 28, 16, 38, 18, 30, 20, 1,
                                     3, 5, 7,  9, 11, 13, 15, 17, 19, 21, 23, 25, 27, 29, 31, 33, 35, 37, 40, 36};

}  // namespace

class CodeTraceTest : public QObject {
    Q_OBJECT

private slots:
    void ThePaneFollowsTheTraceForwardAndBack_data()
    {
        QTest::addColumn<QString>("path");
        for (const QString& name : QDir(SORTING_TRACES).entryList({"*.trace"}))
            QTest::newRow(name.toUtf8()) << QDir(SORTING_TRACES).filePath(name);
    }

    void ThePaneFollowsTheTraceForwardAndBack()
    {
        QFETCH(QString, path);
        const Trace trace = Read(path);
        race::Replay lane(race::Record(trace.method, trace.items));
        QCOMPARE(lane.TotalSteps(), trace.steps.size());
        race_window::CodePane pane;
        const auto check = [&] {
            pane.Follow(lane);
            QCOMPARE(PaneTrace(lane, pane), QString::fromStdString(trace.steps[lane.StepsDone() - 1]));
        };
        // At the last step the sort is done and no line is marked.
        for (lane.Advance(1); !lane.Finished(); lane.Advance(1)) check();
        for (lane.Back(1); lane.StepsDone() > 0; lane.Back(1)) check();
    }

    void EveryLineOfEveryMethodIsReached()
    {
        for (sorting::SortMethod method : sorting::kAllMethods) {
            std::set<int> reached = LinesReached(race::Record(method, kLargerCase));
            for (const QString& name : QDir(SORTING_TRACES).entryList({"*.trace"})) {
                const Trace trace = Read(QDir(SORTING_TRACES).filePath(name));
                if (trace.method == method) reached.merge(LinesReached(race::Record(method, trace.items)));
            }
            for (const sorting::CodeLine& line : sorting::Facts(method).code.lines)
                QVERIFY2(reached.contains(line.line + 1),
                         qPrintable(QString("%1: %2").arg(sorting::MethodName(method).data(), line.key.data())));
        }
    }
};

QTEST_MAIN(CodeTraceTest)
#include "code_trace_test.moc"
