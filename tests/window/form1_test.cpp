#include "desktop/picture_box.h"
#include "support/shown_form.h"

#include <QtTest>
#include <QtWidgets>

namespace {

struct Placement {
    const char* name;
    const char* container;
    QRect geometry;  // twips / 15
    bool enabled;
};

// Every control: its container, its place in pixels, and whether it starts enabled.
const Placement kPlacements[] = {
    {"TextNum", "Form1", {120, 56, 97, 19}, true},
    {"Label1", "Form1", {24, 56, 97, 17}, true},
    {"Label2", "Form1", {24, 96, 81, 33}, true},
    {"SortChoice", "Form1", {120, 88, 97, 56}, true},
    {"ButtonRun", "Form1", {128, 16, 81, 25}, true},
    {"Picture1", "Form1", {232, 16, 505, 313}, true},
    {"FrameAnimate", "Form1", {24, 280, 193, 81}, false},
    {"AnimationLabel1", "FrameAnimate", {16, 24, 89, 17}, false},
    {"AnimationTextDelay", "FrameAnimate", {104, 24, 49, 19}, false},
    {"AnimationColor_0", "FrameAnimate", {16, 48, 57, 17}, false},
    {"AnimationColor_1", "FrameAnimate", {120, 48, 57, 17}, false},
    {"OptionMode_0", "Form1", {0, 200, 25, 17}, true},
    {"OptionMode_1", "Form1", {0, 240, 25, 17}, true},
    {"OptionMode_2", "Form1", {0, 280, 25, 17}, true},
    {"FrameMeasure", "Form1", {24, 200, 193, 25}, true},
    {"FrameVerify", "Form1", {24, 240, 193, 25}, false},
    {"AnimationLabel2", "FrameAnimate", {80, 48, 25, 17}, false},
    {"CheckSeed", "Form1", {24, 168, 113, 17}, true},
    {"TextSeed", "Form1", {144, 168, 73, 19}, false},
};

}  // namespace

class Form1Test : public QObject {
    Q_OBJECT

    std::unique_ptr<testing_support::ShownForm> form;

    desktop::PictureBox* Picture() const { return form->Control<desktop::PictureBox>("Picture1"); }

    void ChooseMethod(int row) { form->Control<QListWidget>("SortChoice")->setCurrentRow(row); }

    void ClickRun() { QTest::mouseClick(form->Control<QPushButton>("ButtonRun"), Qt::LeftButton); }

    QMessageBox* ErrorBox() const { return form->findChild<QMessageBox*>("RunTimeErrorBox"); }

private slots:
    void init() { form = std::make_unique<testing_support::ShownForm>(); }

    void cleanup() { form.reset(); }

    void windowHasItsTitleAndClientSize()
    {
        QCOMPARE(form->windowTitle(), QString("Form1"));
        QCOMPARE(form->size(), QSize(751, 376));
        QVERIFY(!form->windowIcon().isNull());
        QCOMPARE(form->windowIcon().availableSizes().size(), 3);  // 32 (two colours and sixteen) and 16
    }

    void everyControlStandsInItsPlace()
    {
        QCOMPARE(static_cast<int>(std::size(kPlacements)), 19);
        for (const Placement& p : kPlacements) {
            QWidget* control = form->Control(p.name);
            QCOMPARE(control->parentWidget()->objectName(), QString(p.container));
            QCOMPARE(control->geometry(), p.geometry);
            QVERIFY2(control->isVisible(), p.name);
            QVERIFY2(testing_support::OwnEnabled(control) == p.enabled, p.name);
        }
    }

    void controlsStartWithTheirTextsAndValues()
    {
        QCOMPARE(form->Control<QLineEdit>("TextNum")->text(), QString("500"));
        QCOMPARE(form->Control<QLineEdit>("AnimationTextDelay")->text(), QString("500"));
        QCOMPARE(form->Control<QLineEdit>("TextSeed")->text(), QString("0"));
        QCOMPARE(form->Control<QLabel>("Label1")->text(), QString("Number of items:"));
        QCOMPARE(form->Control<QLabel>("Label2")->text(), QString("Sorting Method:    (choose one)"));
        QCOMPARE(form->Control<QLabel>("AnimationLabel1")->text(), QString("Animation Delay:"));
        QCOMPARE(form->Control<QLabel>("AnimationLabel2")->text(), QString("-or-"));
        QCOMPARE(form->Control<QPushButton>("ButtonRun")->text(), QString("Begin Sorting"));
        QCOMPARE(form->Control<QGroupBox>("FrameMeasure")->title(), QString("Measure Time Used"));
        QCOMPARE(form->Control<QGroupBox>("FrameVerify")->title(), QString("Verify Correctness"));
        QCOMPARE(form->Control<QGroupBox>("FrameAnimate")->title(), QString("Use Animation"));
        QCOMPARE(form->Control<QCheckBox>("CheckSeed")->text(), QString("Fix Random Seed"));
        QVERIFY(!form->Control<QCheckBox>("CheckSeed")->isChecked());
        QCOMPARE(form->Control<QRadioButton>("AnimationColor_0")->text(), QString("Color"));
        QCOMPARE(form->Control<QRadioButton>("AnimationColor_1")->text(), QString("B/W"));
        QVERIFY(form->Control<QRadioButton>("AnimationColor_0")->isChecked());
        QVERIFY(form->Control<QRadioButton>("OptionMode_0")->isChecked());
        QVERIFY(!form->Control<QRadioButton>("OptionMode_1")->isChecked());
        QVERIFY(!form->Control<QRadioButton>("OptionMode_2")->isChecked());
        for (const char* option : {"OptionMode_0", "OptionMode_1", "OptionMode_2"})
            QVERIFY(form->Control<QRadioButton>(option)->text().isEmpty());

        auto* list = form->Control<QListWidget>("SortChoice");
        QCOMPARE(list->count(), 4);
        const QStringList methods{"Selection", "Insertion", "Bubble", "Merge"};
        for (int i = 0; i < 4; ++i) QCOMPARE(list->item(i)->text(), methods[i]);
        QCOMPARE(form->SortChoiceListIndex(), std::int16_t{-1});
        QCOMPARE(form->Run().NumItems(), 0);
        QCOMPARE(form->Run().Chart().BarWidth(), std::int16_t{0});
    }

    void optionGroupsAreSeparate()
    {
        QTest::mouseClick(form->Control("AnimationColor_1"), Qt::LeftButton);  // disabled: no effect
        QVERIFY(form->Control<QRadioButton>("AnimationColor_0")->isChecked());
        form->Control<QRadioButton>("OptionMode_2")->setChecked(true);
        form->Control<QRadioButton>("AnimationColor_1")->setChecked(true);
        QVERIFY(form->Control<QRadioButton>("OptionMode_2")->isChecked());
        QVERIFY(!form->Control<QRadioButton>("OptionMode_0")->isChecked());
        QVERIFY(!form->Control<QRadioButton>("AnimationColor_0")->isChecked());
        QVERIFY(!form->AnimationColorValue());
    }

    void focusFollowsTheTabIndexOrder()
    {
        QCOMPARE(form->TabWalk("TextNum", 6), QStringList({"TextNum", "SortChoice", "ButtonRun", "Picture1",
                                                           "OptionMode_0", "CheckSeed", "TextNum"}));
    }

    void captionsFitTheirControls()
    {
        for (const char* name : {"Label1", "AnimationLabel1", "AnimationLabel2"}) {
            auto* label = form->Control<QLabel>(name);
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(), name);
        }
        auto* wrapped = form->Control<QLabel>("Label2");
        QVERIFY(wrapped->heightForWidth(wrapped->width()) <= wrapped->height());
        for (const char* name : {"ButtonRun", "CheckSeed", "AnimationColor_0", "AnimationColor_1"}) {
            auto* button = form->Control<QAbstractButton>(name);
            QVERIFY2(button->sizeHint().width() <= button->width() + 8, name);
        }
        auto* list = form->Control<QListWidget>("SortChoice");
        QVERIFY(list->visualItemRect(list->item(3)).bottom() < list->viewport()->height());
    }

    void runWithoutAMethodShowsTheMessage()
    {
        ClickRun();
        QCOMPARE(Picture()->PrintedLines(), QStringList{"You must select a sort method."});
        QCOMPARE(form->Run().NumItems(), 0);
    }

    void measureRunOfEachExchangeSortPrintsItsTime()
    {
        form->Control<QLineEdit>("TextNum")->setText("2000");
        for (int method = 0; method < 3; ++method) {
            ChooseMethod(method);
            QCOMPARE(form->SortChoiceListIndex(), static_cast<std::int16_t>(method));
            ClickRun();
            const QStringList lines = Picture()->PrintedLines();
            QCOMPARE(lines.size(), 1);
            QVERIFY2(QRegularExpression("^time used was \\d+\\.\\d\\d seconds\\.$").match(lines[0]).hasMatch(),
                     qPrintable(lines[0]));
            QCOMPARE(form->Run().NumItems(), 2000);
        }
    }

    void verifyRunOfEachSortReportsSorted()
    {
        form->Control<QRadioButton>("OptionMode_1")->click();
        form->Control<QLineEdit>("TextNum")->setText("700");
        for (int method = 0; method < 4; ++method) {
            ChooseMethod(method);
            ClickRun();
            QCOMPARE(Picture()->PrintedLines(), QStringList({"The array is sorted", ""}));
        }
    }

    void textAfterAnAnimatedRunStartsAtTheTopLeft()
    {
        ChooseMethod(3);
        form->Control<QLineEdit>("TextNum")->setText("50");
        form->Control<QRadioButton>("OptionMode_2")->click();
        form->Control<QLineEdit>("AnimationTextDelay")->setText("0");
        ClickRun();
        QCOMPARE(form->Run().Chart().BarWidth(), std::int16_t{8});
        QVERIFY(Picture()->PrintedLines().isEmpty());

        form->Control<QRadioButton>("OptionMode_1")->click();
        ClickRun();
        QCOMPARE(Picture()->PrintedLines(), QStringList({"The array is sorted", ""}));
        // Ink only in the first text line, starting at the left edge; the chart is gone.
        const int lineHeight = Picture()->fontMetrics().height();
        int firstInkedColumn = -1;
        for (int x = 0; x < 20 && firstInkedColumn < 0; ++x)
            for (int y = 0; y < lineHeight; ++y)
                if (Picture()->PixelAt(x, y) != platform::RGB(255, 255, 255)) firstInkedColumn = x;
        QVERIFY(firstInkedColumn >= 0 && firstInkedColumn < 3);
        for (int x = 0; x < Picture()->InteriorSize().width(); x += 3)
            QCOMPARE(Picture()->PixelAt(x, Picture()->InteriorSize().height() - 30), platform::RGB(255, 255, 255));
    }

    void badAnimationInputsAreReportedAndTheWindowStays_data()
    {
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("delay");
        QTest::addColumn<QString>("error");
        QTest::newRow("no items") << "abc"
                                  << "0"
                                  << "Division by zero";
        QTest::newRow("delay too long") << "5"
                                        << "1e12"
                                        << "Overflow";
        QTest::newRow("delay beyond doubles") << "5"
                                              << "1e306"
                                              << "Invalid floating-point operation";
    }

    void badAnimationInputsAreReportedAndTheWindowStays()
    {
        QFETCH(QString, count);
        QFETCH(QString, delay);
        QFETCH(QString, error);
        ChooseMethod(2);
        form->Control<QRadioButton>("OptionMode_2")->click();
        form->Control<QLineEdit>("TextNum")->setText(count);
        form->Control<QLineEdit>("AnimationTextDelay")->setText(delay);
        ClickRun();
        QVERIFY(ErrorBox());
        QVERIFY2(ErrorBox()->text().contains(error), qPrintable(ErrorBox()->text()));
        ErrorBox()->accept();
        QTRY_VERIFY(!ErrorBox());
        QVERIFY(form->isVisible());
    }

    void aRunTimeErrorLeavesTheWindowUsable()
    {
        ChooseMethod(0);
        form->Control<QLineEdit>("TextNum")->setText("-1");
        ClickRun();
        QMessageBox* box = ErrorBox();
        QVERIFY(box);
        QVERIFY(box->isVisible());
        QVERIFY(box->text().contains("Negative number of items"));
        QVERIFY(form->isVisible());
        box->accept();
        QTRY_VERIFY(!ErrorBox());

        form->Control<QLineEdit>("TextNum")->setText("10");
        ClickRun();
        QCOMPARE(form->Run().NumItems(), 10);
        QCOMPARE(Picture()->PrintedLines().size(), 1);
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
