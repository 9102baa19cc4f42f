#include "desktop/translations.h"
#include "platform/words.h"
#include "race/race_options.h"
#include "race_window/count_words.h"
#include "race_window/race_panel.h"
#include "race_window/race_window.h"
#include "support/form_controls.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QScrollArea>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using race_window::RacePanel;
using race_window::RaceWindow;
using testing_support::Control;

namespace {

// A race whose equal items show each method's verdict: selection changes their order,
// insertion keeps it.
race::RaceOptions TwoMethodsOnEqualItems()
{
    return race::ParseRaceOptions({"--methods", "selection,insertion", "--items", "2 1 2 1"});
}

// The controls whose text is cut where they stand, each with the width it needs.
QStringList ClippedTexts(const RaceWindow& window)
{
    QStringList clipped;
    const auto need = [&](const QWidget* control, const QString& text, int width) {
        if (control->isVisibleTo(&window) && !text.isEmpty() && control->width() < width)
            clipped << QString("%1 \"%2\": %3 < %4").arg(control->objectName(), text).arg(control->width()).arg(width);
    };
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (!label->wordWrap()) need(label, label->text(), label->sizeHint().width());
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
        need(button, button->text(), button->sizeHint().width());
    for (const QComboBox* choice : window.findChildren<QComboBox*>())
        need(choice, choice->currentText(), choice->sizeHint().width());
    for (const RacePanel* panel : window.findChildren<RacePanel*>()) {
        QFont title = panel->font();
        title.setBold(true);
        need(panel, panel->accessibleName(), QFontMetrics(title).horizontalAdvance(panel->accessibleName()) + 12);
        // Its lines beneath the bars, as high as they need.
        if (panel->height() < panel->minimumSizeHint().height())
            clipped << QString("%1: %2 high < %3")
                           .arg(panel->objectName())
                           .arg(panel->height())
                           .arg(panel->minimumSizeHint().height());
    }
    return clipped;
}

}  // namespace

class RaceWindowLanguagesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings().clear();
    }

    void OrdinalsForAnyRank_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("ordinals");
        QTest::newRow("en") << "en_GB"
                            << "1st 2nd 3rd 4th 11th 12th 13th 14th 21st 22nd 23rd 101st 111th 112th";
        QTest::newRow("de") << "de_DE"
                            << "1. 2. 3. 4. 11. 12. 13. 14. 21. 22. 23. 101. 111. 112.";
        QTest::newRow("fr") << "fr_FR"
                            << "1er 2e 3e 4e 11e 12e 13e 14e 21e 22e 23e 101e 111e 112e";
        QTest::newRow("es") << "es_ES"
                            << "1.º 2.º 3.º 4.º 11.º 12.º 13.º 14.º 21.º 22.º 23.º 101.º 111.º 112.º";
    }

    void OrdinalsForAnyRank()
    {
        QFETCH(QString, locale);
        QFETCH(QString, ordinals);
        desktop::Translations translations{QLocale(locale)};
        translations.Install();
        QStringList shown;
        for (int rank : {1, 2, 3, 4, 11, 12, 13, 14, 21, 22, 23, 101, 111, 112}) shown << race_window::Ordinal(rank);
        QCOMPARE(shown.join(' '), ordinals);
        QCOMPARE(race_window::CountInWords(14), QString("14"));
    }

    void EachLanguageSpeaksInTheWindow_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("play");
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("legend");
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("verdicts");
        QTest::newRow("de") << "de_DE"
                            << "Start"
                            << "Selectionsort"
                            << "verglichenen"
                            << "vergleicht 1 (Element 2) und 2 (Element 1)"
                            << "geändert: 2b vor 2a|behalten";
        QTest::newRow("fr") << "fr_FR"
                            << "Lecture"
                            << "Sélection"
                            << "comparés"
                            << "compare 1 (élément 2) et 2 (élément 1)"
                            << "changé l'ordre des éléments égaux : 2b avant 2a|gardé";
        QTest::newRow("es") << "es_ES"
                            << "Iniciar"
                            << "Selección"
                            << "comparados"
                            << "compara 1 (elemento 2) y 2 (elemento 1)"
                            << "cambió el orden de los elementos iguales: 2b antes que 2a|mantuvo";
    }

    void EachLanguageSpeaksInTheWindow()
    {
        QFETCH(QString, locale);
        QFETCH(QString, play);
        QFETCH(QString, panel);
        QFETCH(QString, legend);
        QFETCH(QString, step);
        QFETCH(QString, verdicts);
        desktop::Translations translations{QLocale(locale)};
        translations.Install();
        RaceWindow window(TwoMethodsOnEqualItems());
        window.resize(1280, 800);
        window.show();
        QCOMPARE(Control<QAbstractButton>(window, "PlayButton")->text(), play);
        auto* selection = Control<RacePanel>(window, "PanelSelection");
        QCOMPARE(selection->accessibleName(), panel);
        QVERIFY(Control<QLabel>(window, "Legend")->text().contains(legend));
        window.Step();
        QVERIFY2(selection->StepText().startsWith(step), qPrintable(selection->StepText()));
        while (!window.CurrentRace().AllFinished()) window.Step();
        const QStringList verdict = verdicts.split('|');
        QVERIFY2(selection->StepText().contains(verdict[0]), qPrintable(selection->StepText()));
        QVERIFY2(Control<RacePanel>(window, "PanelInsertion")->StepText().contains(verdict[1]),
                 qPrintable(Control<RacePanel>(window, "PanelInsertion")->StepText()));
    }

    void NoTextIsCutAtTheUsualSizeNorZoomedOnAWideScreen_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("zoomSteps");  // of 25 %
        for (const char* locale : {"en_GB", "de_DE", "fr_FR", "es_ES"}) {
            QTest::addRow("%s 1280x800", locale) << locale << QSize(1280, 800) << 0;
            QTest::addRow("%s 960x640 at 300 %%", locale) << locale << QSize(960, 640) << 8;
            QTest::addRow("%s 1920x1080 at 200 %%", locale) << locale << QSize(1920, 1080) << 4;
        }
    }

    void NoTextIsCutAtTheUsualSizeNorZoomedOnAWideScreen()
    {
        QFETCH(QString, locale);
        QFETCH(QSize, size);
        QFETCH(int, zoomSteps);
        QSettings().setValue("zoom", 100 + 25 * zoomSteps);
        desktop::Translations translations{QLocale(locale)};
        translations.Install();
        RaceWindow window(race::ParseRaceOptions({"--methods", "all"}));
        window.resize(size);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // The code of the longest lines beside the bars.
        auto* natural = Control<RacePanel>(window, "PanelNatural merge");
        natural->setFocus();
        QTest::keyClick(natural, Qt::Key_Return);
        window.Step();
        // Once the layouts have settled; scrolled, if they must, rather than cut.
        QStringList clipped;
        QTRY_VERIFY2((clipped = ClippedTexts(window)).isEmpty(), qPrintable(clipped.join('\n')));
        if (zoomSteps == 0) {
            auto* scroller = Control<QScrollArea>(window, "Scroller");
            QVERIFY(scroller->widget()->width() <= scroller->viewport()->width());
        } else {
            QVERIFY(Control<QLabel>(window, "Status")->height() >= 20);
            QVERIFY(QFontMetrics(Control<RacePanel>(window, "PanelSelection")->font()).height() >= 20);
        }
        QSettings().remove("zoom");
    }

    // An unknown language and a damaged translation leave the programs in English.
    void WithNoReadableTranslationTheProgramsSpeakEnglish()
    {
        QTemporaryDir folder;
        QFile damaged(folder.filePath("sorting_de.qm"));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("not a translation");
        damaged.close();
        for (const auto& [locale, where] :
             {std::pair{QString("sw_KE"), QString(":/i18n")}, std::pair{QString("de_DE"), folder.path()}}) {
            desktop::Translations translations{QLocale(locale), where};
            translations.Install();
            QVERIFY(translations.Language().isEmpty());
            QCOMPARE(platform::Words("compare", "%n row(s) complete", nullptr, 2), std::string("2 rows complete"));
            RaceWindow window;
            QCOMPARE(Control<QAbstractButton>(window, "PlayButton")->text(), QString("Play"));
        }
    }
};

QTEST_MAIN(RaceWindowLanguagesTest)
#include "race_window_languages_test.moc"
