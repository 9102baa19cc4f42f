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
    for (SortMethod method : sorting::kSortMethods) {
        const double factor = method == SortMethod::Merge ? 1e-8 : 1e-9 * (1 + static_cast<int>(method));
        for (std::int32_t count = 1000; count <= 64000; count *= 2) {
            const double n = count;
            const double seconds = method == SortMethod::Merge ? factor * n * std::log2(n) : factor * n * n;
            measurements.push_back({method, count, seconds, {}, true});
        }
    }
    return measurements;
}

// The stroke colours of the series in an SVG file: the lines drawn two pixels wide.
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
            wide = xml.attributes().value("stroke-width") == QLatin1String("2");
        }
        if (xml.name() == QLatin1String("polyline") && wide) colours << currentStroke;
    }
    return xml.hasError() ? QSet<QString>{"invalid XML: " + xml.errorString()} : colours;
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
        for (SortMethod method : sorting::kSortMethods) expected << compare::MethodColour(method).name();
        QCOMPARE(PolylineColours(path), expected);
    }

    void pngShowsEachMethodsColour()
    {
        const QString path = directory.filePath("chart.png");
        compare::WriteGrowthChart(SampleMeasurements(), path.toStdString());
        QImage image(path);
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), QSize(800, 520));
        QMap<QRgb, int> pixels;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) ++pixels[image.pixel(x, y)];
        for (SortMethod method : sorting::kSortMethods)
            QVERIFY2(pixels.value(compare::MethodColour(method).rgb()) > 50, sorting::MethodName(method).data());
    }

    void anUnwritablePathIsAnError()
    {
        QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                                 compare::WriteGrowthChart(SampleMeasurements(), "/no/such/directory/chart.png"));
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
        QVERIFY(error.contains("repeat count"));
        QVERIFY(error.contains("Usage:"));
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
        tool.start(SORTING_COMPARE_PATH,
                   {"--counts", "100,200", "--seed", "5", "--repeat", "1", "--csv", "--chart", chart});
        QVERIFY(tool.waitForFinished(60000));
        QCOMPARE(tool.exitCode(), 0);
        const QStringList lines = QString(tool.readAllStandardOutput()).trimmed().split('\n');
        QCOMPARE(lines.size(), 9);
        QVERIFY(lines[0].startsWith("method,count,seconds"));
        QCOMPARE(PolylineColours(chart).size(), 4);
    }
};

QTEST_MAIN(GrowthChartTest)
#include "growth_chart_test.moc"
