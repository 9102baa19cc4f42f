#include "support/shown_form.h"

#include <QtTest>
#include <QtWidgets>

using testing_support::OwnEnabled;

namespace {

const char* const kFrames[] = {"FrameMeasure", "FrameVerify", "FrameAnimate"};
const char* const kAnimationControls[] = {"AnimationLabel1", "AnimationLabel2", "AnimationColor_0", "AnimationColor_1",
                                          "AnimationTextDelay"};

}  // namespace

class ModeRulesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing_support::ShownForm> form;

    void Click(const char* name) { form->Click(name); }

    // The enabled states of the three frames and the five animation controls, as "10000000".
    QString ModeState() const
    {
        QString state;
        for (const char* frame : kFrames) state += OwnEnabled(form->Control(frame)) ? '1' : '0';
        for (const char* control : kAnimationControls) state += OwnEnabled(form->Control(control)) ? '1' : '0';
        return state;
    }

    QString SeedState() const
    {
        return QString("%1%2")
            .arg(form->Control<QCheckBox>("CheckSeed")->isChecked())
            .arg(OwnEnabled(form->Control("TextSeed")));
    }

private slots:
    void init() { form = std::make_unique<testing_support::ShownForm>(); }

    void cleanup() { form.reset(); }

    void eachModeEnablesItsOwnFrame()
    {
        QCOMPARE(ModeState(), QString("10000000"));
        Click("OptionMode_1");
        QCOMPARE(ModeState(), QString("01000000"));
        Click("OptionMode_2");
        QCOMPARE(ModeState(), QString("00111111"));
        QVERIFY(form->Control("AnimationTextDelay")->isEnabled());
        Click("OptionMode_0");
        QCOMPARE(ModeState(), QString("10000000"));
        Click("OptionMode_2");
        Click("OptionMode_1");
        QCOMPARE(ModeState(), QString("01000000"));
        QVERIFY(form->OptionModeValue(1));
    }

    void clickingTheCurrentModeChangesNothing()
    {
        Click("OptionMode_2");
        const QString before = ModeState();
        Click("OptionMode_2");
        QCOMPARE(ModeState(), before);
        QVERIFY(form->OptionModeValue(2));
    }

    void arrowKeysMoveTheModeAndItsRule()
    {
        form->Control("OptionMode_0")->setFocus();
        QTest::keyClick(form->Control("OptionMode_0"), Qt::Key_Down);
        QVERIFY(form->OptionModeValue(1));
        QCOMPARE(ModeState(), QString("01000000"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QVERIFY(form->OptionModeValue(2));
        QCOMPARE(ModeState(), QString("00111111"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QVERIFY(form->OptionModeValue(0));
        QCOMPARE(ModeState(), QString("10000000"));
    }

    void anIndexOutsideTheModesChangesNothing()
    {
        Click("OptionMode_2");
        form->OptionMode_Click(3);
        form->OptionMode_Click(-1);
        QCOMPARE(ModeState(), QString("00111111"));
    }

    void delayAndColourSurviveARoundTrip()
    {
        Click("OptionMode_2");
        form->Control<QLineEdit>("AnimationTextDelay")->setText("12.5");
        Click("AnimationColor_1");
        Click("OptionMode_0");
        QCOMPARE(form->Control<QLineEdit>("AnimationTextDelay")->text(), QString("12.5"));
        QVERIFY(form->Control<QRadioButton>("AnimationColor_1")->isChecked());
        QVERIFY(!form->AnimationColorValue());
        Click("OptionMode_2");
        QCOMPARE(form->Control<QLineEdit>("AnimationTextDelay")->text(), QString("12.5"));
        QVERIFY(form->Control<QRadioButton>("AnimationColor_1")->isChecked());
    }

    void theSeedBoxFollowsTheCheckBox()
    {
        QCOMPARE(SeedState(), QString("00"));
        Click("CheckSeed");
        QCOMPARE(SeedState(), QString("11"));
        QCOMPARE(form->CheckSeedValue(), std::int16_t{1});
        form->Control<QLineEdit>("TextSeed")->setText("1234");
        // The space bar on the focused check box works as a click.
        form->Control("CheckSeed")->setFocus();
        QTest::keyClick(form->Control("CheckSeed"), Qt::Key_Space);
        QCOMPARE(SeedState(), QString("00"));
        QCOMPARE(form->Control<QLineEdit>("TextSeed")->text(), QString("1234"));
        QCOMPARE(form->TextSeedText(), std::string("1234"));
    }

    void theTwoRulesAreIndependent()
    {
        Click("CheckSeed");
        Click("OptionMode_2");
        Click("OptionMode_1");
        QCOMPARE(SeedState(), QString("11"));
        Click("CheckSeed");
        QCOMPARE(ModeState(), QString("01000000"));
    }

    void aRunChangesNoRule()
    {
        Click("OptionMode_2");
        Click("CheckSeed");
        form->Control<QLineEdit>("TextNum")->setText("20");
        form->Control<QLineEdit>("AnimationTextDelay")->setText("0");
        form->Control<QListWidget>("SortChoice")->setCurrentRow(1);
        Click("ButtonRun");
        QCOMPARE(ModeState(), QString("00111111"));
        QCOMPARE(SeedState(), QString("11"));
    }
};

QTEST_MAIN(ModeRulesTest)
#include "mode_rules_test.moc"
