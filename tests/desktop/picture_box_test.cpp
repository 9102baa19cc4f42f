#include "desktop/picture_box.h"

#include <QtTest>

using desktop::PictureBox;
using platform::RGB;

namespace {

constexpr platform::Colour kWhite = RGB(255, 255, 255);
constexpr platform::Colour kRed = RGB(255, 0, 0);

// A box whose interior is `width` × `height` pixels.
void SizeInterior(PictureBox& box, int width, int height)
{
    box.resize(width + 2 * PictureBox::kBorderWidth, height + 2 * PictureBox::kBorderWidth);
}

// The columns of row `y` that hold `colour`, as "first-last" runs.
QString RunsOfColour(const PictureBox& box, int y, platform::Colour colour)
{
    QStringList runs;
    const int width = box.InteriorSize().width();
    for (int x = 0; x < width; ++x) {
        if (box.PixelAt(x, y) != colour) continue;
        const int first = x;
        while (x + 1 < width && box.PixelAt(x + 1, y) == colour) ++x;
        runs << QString("%1-%2").arg(first).arg(x);
    }
    return runs.join(' ');
}

}  // namespace

class PictureBoxTest : public QObject {
    Q_OBJECT

private slots:
    void interiorAndDefaultScale()
    {
        PictureBox box;
        box.resize(505, 313);
        QCOMPARE(box.InteriorSize(), QSize(501, 309));
        QCOMPARE(box.ScaleWidth(), 501.0f * 15);
        box.SetScaleMode(PictureBox::kScaleModePixels);
        QCOMPARE(box.ScaleWidth(), 501.0f);
        box.Scale(-50, 1.1, 550, -0.1);
        QCOMPARE(box.ScaleWidth(), 600.0f);
        box.Scale();
        QCOMPARE(box.ScaleWidth(), 501.0f * 15);
    }

    void boxIncludesBothCorners()
    {
        PictureBox box;
        SizeInterior(box, 20, 10);
        box.SetScaleMode(PictureBox::kScaleModePixels);
        box.Cls();
        box.Line(3, 2, 6, 4, kRed);
        for (int y = 0; y < 10; ++y)
            QCOMPARE(RunsOfColour(box, y, kRed), y >= 2 && y <= 4 ? QString("3-6") : QString());
        // Corners given the other way round fill the same box.
        box.Cls();
        box.Line(6, 4, 3, 2, kRed);
        QCOMPARE(RunsOfColour(box, 3, kRed), QString("3-6"));
    }

    void boxOfZeroWidthOrHeightIsOnePixel()
    {
        PictureBox box;
        SizeInterior(box, 20, 10);
        box.SetScaleMode(PictureBox::kScaleModePixels);
        box.Cls();
        box.Line(5, 1, 5, 8, kRed);
        QCOMPARE(RunsOfColour(box, 1, kRed), QString("5-5"));
        QCOMPARE(RunsOfColour(box, 8, kRed), QString("5-5"));
        box.Line(10, 9, 12, 9, kRed);
        QCOMPARE(RunsOfColour(box, 9, kRed), QString("10-12"));
    }

    void userScaleWithTheYAxisUp()
    {
        // 120 rows from y = 1.1 at the top to -0.1 at the bottom: y = 0 is row 110.
        PictureBox box;
        SizeInterior(box, 100, 120);
        box.Cls();
        box.Scale(0, 1.1, 100, -0.1);
        box.Line(10, 0, 10, 0, kRed);
        QCOMPARE(RunsOfColour(box, 110, kRed), QString("10-10"));
        QCOMPARE(RunsOfColour(box, 109, kRed), QString());
        box.Line(20, 0, 21, 1, kRed);
        QCOMPARE(RunsOfColour(box, 10, kRed), QString("20-21"));
        QCOMPARE(RunsOfColour(box, 9, kRed), QString());
    }

    void boxesOutsideTheInteriorAreClipped()
    {
        PictureBox box;
        SizeInterior(box, 10, 10);
        box.SetScaleMode(PictureBox::kScaleModePixels);
        box.Cls();
        box.Line(-5, -5, 2, 2, kRed);
        box.Line(8, 8, 50, 50, kRed);
        QCOMPARE(RunsOfColour(box, 0, kRed), QString("0-2"));
        QCOMPARE(RunsOfColour(box, 9, kRed), QString("8-9"));
    }

    void aDegenerateScaleDrawsNothingAndDoesNotFail()
    {
        PictureBox box;
        SizeInterior(box, 20, 10);
        box.Cls();
        box.Scale(5, 5, 5, 5);  // zero width and height: every position is infinitely far
        box.Line(1, 1, 2, 2, kRed);
        box.Line(std::nanf(""), 0, 1e30f, -1e30f, kRed);
        for (int y = 0; y < 10; ++y) QCOMPARE(RunsOfColour(box, y, kRed), QString());
    }

    void clsFillsWithTheBackColourAndDropsText()
    {
        PictureBox box;
        SizeInterior(box, 200, 100);
        QCOMPARE(box.BackColor(), kWhite);
        box.Cls();
        box.Print("first");
        box.Print();
        box.Print("third");
        QCOMPARE(box.PrintedLines(), QStringList({"first", "", "third"}));
        box.SetScaleMode(PictureBox::kScaleModePixels);
        box.Line(0, 0, 199, 99, kRed);
        box.Cls();
        QVERIFY(box.PrintedLines().isEmpty());
        for (int y = 0; y < 100; y += 9) QCOMPARE(RunsOfColour(box, y, kWhite), QString("0-199"));
    }

    void printWritesLineByLineFromTheTopLeft()
    {
        PictureBox box;
        SizeInterior(box, 300, 100);
        box.Cls();
        box.Print("Wide text line");
        const int lineHeight = QFontMetrics(box.font()).height();
        QVERIFY(!RunsOfColour(box, lineHeight / 2, RGB(0, 0, 0)).isEmpty() ||
                !RunsOfColour(box, lineHeight / 2 + 1, RGB(0, 0, 0)).isEmpty());
        QVERIFY(RunsOfColour(box, lineHeight + lineHeight / 2, kWhite) == "0-299");
        box.Print();
        box.Print("after an empty line");
        bool inked = false;
        for (int y = 2 * lineHeight; y < 3 * lineHeight; ++y) inked = inked || RunsOfColour(box, y, kWhite) != "0-299";
        QVERIFY(inked);
    }

    void boxesAreSharpAtAnyPixelRatio()
    {
        PictureBox box;
        SizeInterior(box, 40, 30);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        box.SetScaleMode(PictureBox::kScaleModePixels);
        box.Cls();
        box.Line(10, 5, 12, 20, kRed);
        const QImage shown = box.grab().toImage();
        const qreal ratio = shown.devicePixelRatio();
        QCOMPARE(ratio, box.devicePixelRatioF());
        const int border = PictureBox::kBorderWidth;
        // Every device pixel of the box is red, and those just outside are white: no blur.
        for (int y = int((border + 5) * ratio); y < int((border + 21) * ratio); ++y) {
            for (int x = int((border + 10) * ratio); x < int((border + 13) * ratio); ++x)
                QCOMPARE(shown.pixelColor(x, y), QColor(Qt::red));
            QCOMPARE(shown.pixelColor(int((border + 10) * ratio) - 1, y), QColor(Qt::white));
            QCOMPARE(shown.pixelColor(int((border + 13) * ratio), y), QColor(Qt::white));
        }
    }

    void keepsItsPictureAcrossRefreshAndShow()
    {
        PictureBox box;
        SizeInterior(box, 40, 30);
        box.SetScaleMode(PictureBox::kScaleModePixels);
        box.Cls();
        box.Line(1, 1, 3, 3, kRed);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        box.Refresh();
        box.repaint();
        QCOMPARE(RunsOfColour(box, 2, kRed), QString("1-3"));
        const QImage onScreen = box.grab().toImage();
        const int inside = static_cast<int>((PictureBox::kBorderWidth + 2) * onScreen.devicePixelRatio());
        QCOMPARE(onScreen.pixelColor(inside, inside), QColor(Qt::red));
    }
};

QTEST_MAIN(PictureBoxTest)
#include "picture_box_test.moc"
