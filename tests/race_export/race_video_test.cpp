// The race as a video, decoded again by FFmpeg's own tools: as many frames as the steps at the
// speed ask for, the middle one the race's picture at its step, and nothing left behind by a
// cancelled or failed export.

#include "race_export/race_video.h"

#include <QApplication>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using race_export::VideoRequest;

namespace {

const std::vector<float> kItems{0, 5, 3, 8, 1, 9, 2, 7, 4};

race::Race TheRace() { return race::Race(kItems, {sorting::SortMethod::Bubble, sorting::SortMethod::Merge}); }

// The race's picture at a step, as the panels paint it at the video's size.
QImage PictureAt(std::uint64_t clock, QSize size)
{
    race::Race race = TheRace();
    race.JumpTo(clock - 1);
    race.Tick(1);
    return race_export::RacePicture(race, size, QApplication::font()).Take();
}

// The mean difference of the two pictures' colours, of 255.
double Difference(const QImage& a, const QImage& b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

QString Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

}  // namespace

class RaceVideoTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder;

private slots:
    void theFramesFollowTheStepsAtTheSpeed()
    {
        QCOMPARE(race_export::FrameClocks(0, 6, 30, 30), (std::vector<std::uint64_t>{0, 1, 2, 3, 4, 5, 6}));
        QCOMPARE(race_export::FrameClocks(10, 20, 75, 30), (std::vector<std::uint64_t>{10, 12, 15, 17, 20}));
        QCOMPARE(race_export::FrameClocks(5, 5, 1000, 30), (std::vector<std::uint64_t>{5}));
    }

    void aVideoDecodesToItsFramesAndItsMiddleFrameIsTheRacesPicture_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("tolerance");
        QTest::newRow("mp4") << "race.mp4" << 4.0;
        QTest::newRow("gif") << "race.gif" << 24.0;  // 256 colours of 3, 3 and 2 bits
    }

    void aVideoDecodesToItsFramesAndItsMiddleFrameIsTheRacesPicture()
    {
        QFETCH(QString, name);
        QFETCH(double, tolerance);
        if (QStandardPaths::findExecutable("ffprobe").isEmpty()) QSKIP("FFmpeg's tools (ffmpeg) are not installed");
        VideoRequest request;
        request.path = folder.filePath(name);
        request.to = 60;
        request.size = QSize(640, 360);
        request.font = QApplication::font();
        const bool gif = name.endsWith(".gif");
        request.stepsPerSecond = gif ? 25 : 30;  // a step a frame
        request.sound = !gif;
        QCOMPARE(race_export::WriteRaceVideo(TheRace(), request, [](int, int) { return true; }), QString());
        QCOMPARE(Run("ffprobe", {"-v", "error", "-count_frames", "-select_streams", "v:0", "-show_entries",
                                 "stream=nb_read_frames", "-of", "csv=p=0", request.path}),
                 QString("61"));
        if (!gif)
            QCOMPARE(Run("ffprobe", {"-v", "error", "-select_streams", "a:0", "-show_entries", "stream=codec_name", "-of",
                                     "csv=p=0", request.path}),
                     QString("aac"));
        const QString middle = folder.filePath(name + ".png");
        Run("ffmpeg", {"-v", "error", "-y", "-i", request.path, "-vf", "select=eq(n\\,30)", "-frames:v", "1", middle});
        const QImage frame = QImage(middle).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(frame.size(), request.size);
        const double difference = Difference(frame, PictureAt(30, request.size));
        QVERIFY2(difference < tolerance, qPrintable(QString::number(difference)));
        // Not the picture of another step.
        QVERIFY(Difference(frame, PictureAt(45, request.size)) > difference);
    }

    void aCancelledOrFailedExportLeavesNoFile()
    {
        VideoRequest request;
        request.path = folder.filePath("cancelled.mp4");
        request.size = QSize(320, 180);
        request.stepsPerSecond = 30;
        const QString said = race_export::WriteRaceVideo(TheRace(), request, [](int frame, int) { return frame < 5; });
        QVERIFY(!said.isEmpty());
        QVERIFY(QDir(folder.path()).entryList({"cancelled*"}).isEmpty());
        request.path = "/nonexistent/folder/race.mp4";
        QVERIFY(race_export::WriteRaceVideo(TheRace(), request, [](int, int) { return true; }).contains("/nonexistent"));
    }
};

QTEST_MAIN(RaceVideoTest)
#include "race_video_test.moc"
