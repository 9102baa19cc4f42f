#include "desktop/picture_box.h"
#include "support/shown_form.h"

#include <QAccessible>
#include <QtTest>
#include <QtWidgets>

class KeyboardAccessTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing_support::ShownForm> form;

    static QAccessibleInterface* Accessible(QObject* object) { return QAccessible::queryAccessibleInterface(object); }

private slots:
    void init() { form = std::make_unique<testing_support::ShownForm>(); }

    void cleanup() { form.reset(); }

    void everyUsableControlIsReachedWithTabInOrder()
    {
        form->Click("OptionMode_2");
        form->Click("CheckSeed");
        QCOMPARE(form->TabWalk("TextNum", 9),
                 QStringList({"TextNum", "SortChoice", "ButtonRun", "Picture1", "AnimationTextDelay",
                              "AnimationColor_0", "OptionMode_2", "CheckSeed", "TextSeed", "TextNum"}));
    }

    void enterOnTheFocusedButtonRuns()
    {
        form->Control("ButtonRun")->setFocus();
        QTest::keyClick(form->Control("ButtonRun"), Qt::Key_Return);
        QCOMPARE(form->Control<desktop::PictureBox>("Picture1")->PrintedLines(),
                 QStringList{"You must select a sort method."});
        form->Control<QListWidget>("SortChoice")->setCurrentRow(3);
        form->Control<QLineEdit>("TextNum")->setText("25");
        form->Control("ButtonRun")->setFocus();
        QTest::keyClick(form->Control("ButtonRun"), Qt::Key_Enter);
        QCOMPARE(form->Run().NumItems(), 25);
    }

    void modeOptionsAreNamedAndLabelledByTheirFrames()
    {
        const std::pair<const char*, const char*> options[] = {
            {"OptionMode_0", "FrameMeasure"}, {"OptionMode_1", "FrameVerify"}, {"OptionMode_2", "FrameAnimate"}};
        for (const auto& [option, frameName] : options) {
            const char* frame = frameName;  // a lambda may not capture a structured binding in clang 14
            QAccessibleInterface* accessible = Accessible(form->Control(option));
            QVERIFY(accessible);
            QCOMPARE(accessible->role(), QAccessible::RadioButton);
            QCOMPARE(accessible->text(QAccessible::Name), form->Control<QGroupBox>(frame)->title());
            const auto labels = accessible->relations(QAccessible::Label);
            QVERIFY2(
                std::any_of(labels.begin(), labels.end(),
                            [&](const auto& relation) { return relation.first->object() == form->Control(frame); }),
                option);
        }
        QVERIFY(Accessible(form->Control("OptionMode_0"))->state().checked);
        QVERIFY(!Accessible(form->Control("OptionMode_2"))->state().checked);
    }

    void pressingAModeOptionThroughAssistiveTechnologyAppliesItsRule()
    {
        QAccessibleInterface* animate = Accessible(form->Control("OptionMode_2"));
        animate->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(form->OptionModeValue(2));
        QVERIFY(form->Control("FrameAnimate")->isEnabled());
        QVERIFY(form->Control("AnimationTextDelay")->isEnabled());
    }

    void inputsAreNamedByTheirLabels()
    {
        QVERIFY(Accessible(form->Control("TextNum"))->text(QAccessible::Name).contains("Number of items"));
        QVERIFY(Accessible(form->Control("SortChoice"))->text(QAccessible::Name).contains("Sorting Method"));
        QVERIFY(Accessible(form->Control("AnimationTextDelay"))->text(QAccessible::Name).contains("Animation Delay"));
        QCOMPARE(Accessible(form->Control("TextSeed"))->text(QAccessible::Name), QString("Random seed"));
    }

    void thePictureBoxReadsOutItsText()
    {
        QAccessibleInterface* picture = Accessible(form->Control("Picture1"));
        QVERIFY(picture);
        QCOMPARE(picture->text(QAccessible::Name), QString("Output"));
        form->Control<QListWidget>("SortChoice")->setCurrentRow(0);
        form->Click("OptionMode_1");
        form->Control<QLineEdit>("TextNum")->setText("30");
        QTest::mouseClick(form->Control("ButtonRun"), Qt::LeftButton);
        QCOMPARE(picture->text(QAccessible::Name), QString("The array is sorted"));
    }
};

QTEST_MAIN(KeyboardAccessTest)
#include "keyboard_access_test.moc"
