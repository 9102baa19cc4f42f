#include "compare/growth_chart.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

using compare::Measurement;
using sorting::SortMethod;

namespace {

std::vector<Measurement> SampleMeasurements()
{
    std::vector<Measurement> measurements;
    for (SortMethod method : sorting::kWindowMethods) {
        const double factor = method == SortMethod::Merge ? 1e-8 : 1e-9 * (1 + static_cast<int>(method));
        for (std::int32_t count = 1000; count <= 64000; count *= 2) {
            const double n = count;
            const double seconds = method == SortMethod::Merge ? factor * n * std::log2(n) : factor * n * n;
            measurements.push_back({method, sorting::InitialOrder::Random, count, seconds, {}, true});
        }
    }
    return measurements;
}

// The stroke colours of the series in an SVG file: the lines drawn two and a half pixels wide.
QSet<QString> PolylineColours(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QSet<QString> colours;
    QString currentStroke;
    bool wide = false;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.name() == QLatin1String("g") && xml.attributes().hasAttribute("stroke")) {
            currentStroke = xml.attributes().value("stroke").toString();
            wide = xml.attributes().value("stroke-width") == QLatin1String("2.5");
        }
        if (xml.name() == QLatin1String("polyline") && wide) colours << currentStroke;
    }
    return xml.hasError() ? QSet<QString>{"invalid XML: " + xml.errorString()} : colours;
}

// The same measurements once for each initial order.
std::vector<Measurement> ForEveryOrder(const std::vector<Measurement>& measurements)
{
    std::vector<Measurement> all;
    for (sorting::InitialOrder order : sorting::kInitialOrders)
        for (Measurement m : measurements) {
            m.order = order;
            all.push_back(m);
        }
    return all;
}

// How many series lines (two and a half pixels wide) an SVG file draws.
int PolylineCount(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    int count = 0;
    bool wide = false;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.name() == QLatin1String("g") && xml.attributes().hasAttribute("stroke"))
            wide = xml.attributes().value("stroke-width") == QLatin1String("2.5");
        if (xml.name() == QLatin1String("polyline") && wide) ++count;
    }
    return count;
}

}  // namespace

class GrowthChartTest : public QObject {
    Q_OBJECT

    QTemporaryDir directory;

private slots:
    void svgHasOneSeriesPerMethod()
    {
        const QString path = directory.filePath("chart.svg");
        compare::WriteGrowthChart(SampleMeasurements(), path.toStdString());
        QSet<QString> expected;
        for (SortMethod method : sorting::kWindowMethods) expected << compare::MethodColour(method).name();
        QCOMPARE(PolylineColours(path), expected);
    }

    void pngShowsEachMethodsColour()
    {
        const QString path = directory.filePath("chart.png");
        compare::WriteGrowthChart(SampleMeasurements(), path.toStdString());
        QImage image(path);
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), QSize(1280, 720));
        QMap<QRgb, int> pixels;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) ++pixels[image.pixel(x, y)];
        for (SortMethod method : sorting::kWindowMethods)
            QVERIFY2(pixels.value(compare::MethodColour(method).rgb()) > 50, sorting::MethodName(method).data());
    }

    void aChartOfACountDrawsAScriptsRowsAndOneOfSecondsLeavesThemOut()
    {
        std::vector<Measurement> rows = SampleMeasurements();
        for (Measurement m : SampleMeasurements())
            if (m.lane == SortMethod::Bubble) {
                m.lane = script::LaneSource({"my_sort.py", ""});
                m.counts.comparisons = std::int64_t(m.count) * m.count / 2;
                rows.push_back(m);
            }
        for (Measurement& m : rows) m.counts.comparisons = std::max<std::int64_t>(m.counts.comparisons, m.count);
        const QString path = directory.filePath("of.svg");
        for (compare::ChartScale scale : {compare::ChartScale::Log, compare::ChartScale::Linear}) {
            compare::WriteGrowthChart(rows, path.toStdString(), compare::ChartOf::Comparisons, scale);
            QCOMPARE(PolylineCount(path), 2 * (4 + 1));  // and in the key
        }
        compare::WriteGrowthChart(rows, path.toStdString(), compare::ChartOf::Seconds);
        QCOMPARE(PolylineCount(path), 2 * 4);
    }

    void everyOrdersChartShadesTheRangeAroundTheMean()
    {
        std::vector<compare::EveryOrderRow> rows;
        for (int n = 2; n <= 6; ++n) rows.push_back(compare::EveryOrder(SortMethod::Insertion, n));
        const QString path = directory.filePath("every.svg");
        compare::WriteEveryOrderChart(rows, path.toStdString(), compare::ChartOf::Comparisons);
        QCOMPARE(PolylineCount(path), 2);  // the mean, and in the key
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        int pale = 0;  // the band: filled see-through
        while (!xml.atEnd())
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("g")) {
                const double opacity = xml.attributes().value("fill-opacity").toDouble();
                pale += opacity > 0 && opacity < 0.5;
            }
        QCOMPARE(pale, 1);
    }

    void severalOrdersGetOnePanelEachOnTheSameScales()
    {
        const std::vector<Measurement> all = ForEveryOrder(SampleMeasurements());
        QCOMPARE(compare::ChartSize(SampleMeasurements()), QSize(1280, 720));
        const QSize size = compare::ChartSize(all);
        QVERIFY(size.width() > 1280 && size.height() > 720);

        const QString svg = directory.filePath("orders.svg");
        compare::WriteGrowthChart(all, svg.toStdString());
        QCOMPARE(PolylineCount(svg), 4 * 5 + 4);  // each method in each panel, and once in the key
        const QString single = directory.filePath("single.svg");
        compare::WriteGrowthChart(SampleMeasurements(), single.toStdString());
        QCOMPARE(PolylineCount(single), 4 + 4);

        const QString png = directory.filePath("orders.png");
        compare::WriteGrowthChart(all, png.toStdString());
        const QImage image(png);
        QCOMPARE(image.size(), size);
        // The same measurements in every panel on the same scales: the panels look alike, so
        // each method's colour covers about as many pixels in the first panel as in the second.
        const auto colourIn = [&](QRect area, QRgb colour) {
            int n = 0;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x) n += image.pixel(x, y) == colour;
            return n;
        };
        const int panelWidth = 440, top = 48, panelHeight = 340;
        for (SortMethod method : sorting::kWindowMethods) {
            const QRgb colour = compare::MethodColour(method).rgb();
            const int first = colourIn(QRect(0, top, panelWidth, panelHeight), colour);
            const int second = colourIn(QRect(panelWidth, top, panelWidth, panelHeight), colour);
            QVERIFY2(first > 20, sorting::MethodName(method).data());
            QCOMPARE(first, second);
        }
    }

    void anUnwritablePathIsAnError()
    {
        QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                                 compare::WriteGrowthChart(SampleMeasurements(), "/no/such/directory/chart.png"));
    }

    void aChartReplacesAnEarlierOneWholeAndLeavesSkippedRowsOut()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("chart.svg");
        compare::WriteGrowthChart(SampleMeasurements(), path.toStdString());
        std::vector<Measurement> fewer = SampleMeasurements();
        fewer.erase(fewer.begin() + 7, fewer.end());  // Selection's rows alone
        fewer.back().skipped = compare::Estimate{1e6, 1e6};
        compare::WriteGrowthChart(fewer, path.toStdString());
        QCOMPARE(PolylineCount(path), 1 + 1);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"chart.svg"});
    }

    void theToolRefusesBadArgumentsWithStatusTwoAndWritesNothing()
    {
        const QString chart = directory.filePath("never.svg");
        QProcess tool;
        tool.start(SORTING_COMPARE_PATH, {"--counts", "10", "--repeat", "zero", "--chart", chart});
        QVERIFY(tool.waitForFinished(30000));
        QCOMPARE(tool.exitCode(), 2);
        QVERIFY(tool.readAllStandardOutput().isEmpty());
        const QString error = tool.readAllStandardError();
        QCOMPARE(error, QString("sorting-compare: the repeat count must be a number, not \"zero\"\n"
                                "Try 'sorting-compare --help'.\n"));
        QVERIFY(!QFile::exists(chart));
    }

    void theToolNamesTheProjectVersion()
    {
        QProcess tool;
        tool.start(SORTING_COMPARE_PATH, {"--version"});
        QVERIFY(tool.waitForFinished(30000));
        QCOMPARE(tool.exitCode(), 0);
        QCOMPARE(QString(tool.readAllStandardOutput()), QString("sorting-compare " SORTING_VERSION "\n"));
    }

    void theToolWritesTableCsvAndChart()
    {
        const QString chart = directory.filePath("run.svg");
        QProcess tool;
        tool.start(SORTING_COMPARE_PATH, {"--methods", "all", "--counts", "100,200", "--seed", "5", "--repeat", "1",
                                          "--csv", "--chart", chart});
        QVERIFY(tool.waitForFinished(60000));
        QCOMPARE(tool.exitCode(), 0);
        const QStringList lines = QString(tool.readAllStandardOutput()).trimmed().split('\n');
        QCOMPARE(lines.size(), 1 + 2 * int(sorting::kAllMethods.size()));
        QVERIFY(lines[0].startsWith("method,order,count,seconds"));
        QCOMPARE(PolylineCount(chart), 2 * int(sorting::kAllMethods.size()));  // each method, and in the key
    }
};

QTEST_MAIN(GrowthChartTest)
#include "growth_chart_test.moc"
