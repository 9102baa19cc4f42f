#include "animation/bar_chart.h"
#include "desktop/picture_box.h"
#include "support/fake_controls.h"

#include <QtTest>

using animation::BarChart;
using desktop::PictureBox;
using platform::Colour;
using platform::RGB;

namespace {

constexpr Colour kWhite = RGB(255, 255, 255);
constexpr Colour kBlue = RGB(0, 0, 255);
// An interior of 507 × 120 pixels: y = 0 falls on row 110 and y = 1 on row 10.
constexpr int kWidth = 507;
constexpr int kHeight = 120;
constexpr int kBaseline = 110;
constexpr int kTop = 10;

}  // namespace

class BarChartPictureTest : public QObject {
    Q_OBJECT

    testing_support::FakeControls settings;
    std::unique_ptr<PictureBox> picture;
    std::unique_ptr<BarChart> chart;

    // The columns of a row that are not background, as "first-last" runs.
    QString InkedRuns(int row) const
    {
        QStringList runs;
        for (int x = 0; x < kWidth; ++x) {
            if (picture->PixelAt(x, row) == kWhite) continue;
            const int first = x;
            while (x + 1 < kWidth && picture->PixelAt(x + 1, row) != kWhite) ++x;
            runs << QString("%1-%2").arg(first).arg(x);
        }
        return runs.join(' ');
    }

    // The rows of a column that are not background, as "first-last".
    QString InkedRows(int column) const
    {
        int first = -1, last = -1;
        for (int y = 0; y < kHeight; ++y) {
            if (picture->PixelAt(column, y) == kWhite) continue;
            if (first < 0) first = y;
            last = y;
        }
        return QString("%1-%2").arg(first).arg(last);
    }

private slots:
    void init()
    {
        settings = {};
        picture = std::make_unique<PictureBox>();
        picture->resize(kWidth + 2 * PictureBox::kBorderWidth, kHeight + 2 * PictureBox::kBorderWidth);
        chart = std::make_unique<BarChart>(*picture, settings);
    }

    void workedExampleOfAHundredBars()
    {
        chart->PrepareBarChart(100);
        QCOMPARE(chart->BarWidth(), std::int16_t{4});
        QCOMPARE(chart->BarOffset(), std::int16_t{53});
        std::vector<float> theArray(101, 0.5f);
        chart->DrawBars(theArray, 1, 100);
        QCOMPARE(InkedRuns(kBaseline), QString("53-452"));
        // Bar 1 covers columns 53 to 56, bar 100 columns 449 to 452.
        theArray[1] = 0.0f;
        theArray[100] = 0.0f;
        chart->DrawBars(theArray, 1, 1);
        chart->DrawBars(theArray, 100, 100);
        QCOMPARE(InkedRuns(kBaseline - 1), QString("57-448"));
        QCOMPARE(picture->PixelAt(56, kBaseline), kBlue);
        QCOMPARE(picture->PixelAt(57, kBaseline), RGB(128, 0, 128));
        QCOMPARE(picture->PixelAt(449, kBaseline), kBlue);
    }

    void barHeightFollowsTheValue()
    {
        chart->PrepareBarChart(100);
        std::vector<float> theArray(101, 0.0f);
        theArray[1] = 0.5f;
        theArray[2] = 1.0f - 0x1p-24f;
        chart->DrawBars(theArray, 1, 3);
        QCOMPARE(InkedRows(53), QString("%1-%2").arg((kTop + kBaseline) / 2).arg(kBaseline));
        QCOMPARE(InkedRows(57), QString("%1-%2").arg(kTop).arg(kBaseline));
        // An item of 0 is one pixel high, on the baseline.
        QCOMPARE(InkedRows(61), QString("%1-%1").arg(kBaseline));
    }

    void aBarThatGetsShorterLeavesNoTrace()
    {
        chart->PrepareBarChart(100);
        std::vector<float> theArray(101, 0.9f);
        chart->DrawBars(theArray, 1, 100);
        theArray[5] = 0.1f;
        chart->DrawBars(theArray, 5, 5);
        const int left = 53 + 4 * 4;
        QCOMPARE(InkedRows(left), QString("%1-%2").arg(kBaseline - 10).arg(kBaseline));
        QCOMPARE(InkedRows(left + 3), QString("%1-%2").arg(kBaseline - 10).arg(kBaseline));
        QCOMPARE(InkedRows(left - 1), InkedRows(left + 4));
    }

    void coloursAndBlackAndWhite()
    {
        chart->PrepareBarChart(2);
        std::vector<float> theArray{0.0f, 0.5f, 0.0f};
        chart->DrawBars(theArray, 1, 2);
        QCOMPARE(picture->PixelAt(42, kBaseline), RGB(128, 0, 128));
        QCOMPARE(picture->PixelAt(253, kBaseline), kBlue);
        settings.colour = false;
        chart->DrawBars(theArray, 1, 2);
        QCOMPARE(picture->PixelAt(42, kBaseline), RGB(0, 0, 0));
        QCOMPARE(picture->PixelAt(253, kBaseline), RGB(0, 0, 0));
    }

    void itemLayoutDrawsOnePixelLines()
    {
        chart->PrepareBarChart(500);
        QCOMPARE(chart->BarWidth(), std::int16_t{1});
        QCOMPARE(chart->BarOffset(), std::int16_t{0});
        std::vector<float> theArray(501, 0.0f);
        theArray[1] = 0.5f;
        chart->DrawBars(theArray, 1, 1);
        // x = 0 lies 50 of 600 units from the left: column 42.25, drawn at 42; a single column.
        QCOMPARE(InkedRuns(kBaseline - 5), QString("42-42"));
        chart->DrawBars(theArray, 500, 500);
        // x = 499 lies at 549 of 600 units: column 463.9, drawn at 464.
        QCOMPARE(InkedRuns(kBaseline), QString("42-42 464-464"));
    }

    void preparingClearsThePicture()
    {
        chart->PrepareBarChart(10);
        std::vector<float> theArray(11, 0.5f);
        chart->DrawBars(theArray, 1, 10);
        chart->PrepareBarChart(10);
        QCOMPARE(InkedRuns(kBaseline), QString());
    }
};

QTEST_MAIN(BarChartPictureTest)
#include "bar_chart_picture_test.moc"
