// The worksheet's answer key, read back from the PDF as text, against the traces of bubble
// and merge sort on 5 3 8 1 9 2 7 4 worked by hand.

#include "race/recording.h"
#include "race_export/worksheet_pdf.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class WorksheetTest : public QObject {
    Q_OBJECT

private slots:
    void theAnswerKeyIsTheHandCheckedTrace_data()
    {
        QTest::addColumn<int>("method");
        QTest::addColumn<QStringList>("rows");
        // Every pass is made, the last three with nothing left to exchange.
        QTest::newRow("bubble") << int(sorting::SortMethod::Bubble)
                                << QStringList{"1 3 5 1 8 2 7 4 9", "2 3 1 5 2 7 4 8 9", "3 1 3 2 5 4 7 8 9",
                                               "4 1 2 3 4 5 7 8 9", "5 1 2 3 4 5 7 8 9", "6 1 2 3 4 5 7 8 9",
                                               "7 1 2 3 4 5 7 8 9"};
        // Runs of 1, then 2, then 4, bottom up.
        QTest::newRow("merge") << int(sorting::SortMethod::Merge)
                               << QStringList{"1 3 5 8 1 9 2 7 4", "2 3 5 1 8 9 2 7 4", "3 3 5 1 8 2 9 7 4",
                                              "4 3 5 1 8 2 9 4 7", "5 1 3 5 8 2 9 4 7", "6 1 3 5 8 2 4 7 9",
                                              "7 1 2 3 4 5 7 8 9"};
    }

    void theAnswerKeyIsTheHandCheckedTrace()
    {
        QFETCH(int, method);
        QFETCH(QStringList, rows);
        if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("pdftotext (poppler-utils) is not installed");
        QTemporaryDir folder;
        const QString path = folder.filePath("sheet.pdf");
        const auto recording = race::Record(sorting::SortMethod(method), {0, 5, 3, 8, 1, 9, 2, 7, 4});
        QVERIFY(race_export::WriteWorksheet(path, recording));
        QProcess text;
        text.start("pdftotext", {"-layout", path, "-"});
        QVERIFY(text.waitForFinished(30000));
        // The pages part at form feeds: the sheet to fill in, then the answer key.
        const QStringList pages = QString::fromUtf8(text.readAllStandardOutput()).split('\f', Qt::SkipEmptyParts);
        QVERIFY(pages.size() >= 2);
        const auto lines = [](const QString& page) {
            QStringList found;
            for (const QString& line : page.split('\n')) found << line.simplified();
            return found;
        };
        const QStringList key = lines(pages.back()), sheet = lines(pages.front());
        QVERIFY(key.contains("before 5 3 8 1 9 2 7 4"));
        for (const QString& row : rows) {
            QVERIFY2(key.contains(row), qPrintable(row + " not in\n" + key.join('\n')));
            QVERIFY(!sheet.contains(row));  // the sheet leaves the rows to be filled in
        }
        QVERIFY(sheet.contains("7"));
        QVERIFY(!sheet.contains("8"));
        QVERIFY(pages.front().contains("exchange items i and i + 1") || pages.front().contains("merge"));
    }

    void aFolderThatCannotBeWrittenIsSaid()
    {
        const auto recording = race::Record(sorting::SortMethod::Bubble, {0, 2, 1});
        QVERIFY(!race_export::WriteWorksheet("/nonexistent/folder/sheet.pdf", recording));
    }
};

QTEST_MAIN(WorksheetTest)
#include "worksheet_test.moc"
