#include "controls/fcombobox.h"
#include "settings/configuration.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

class TestFComboBox : public QObject
{
    Q_OBJECT

    struct Parts
    {
        QPushButton *up;
        QPushButton *down;
        QLabel *text;
    };

    static Parts parts(FComboBox &box)
    {
        return {box.findChild<QPushButton *>("pBtn_Up"), box.findChild<QPushButton *>("pBtn_Down"),
                box.findChild<QLabel *>("lbl_Text")};
    }

    static void fill(FComboBox &box)
    {
        box.addItem("0.5x", 0.5);
        box.addItem("1.0x", 1.0);
        box.addItem("2.0x", 2.0);
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void buttonsFollowTheEntries()
    {
        FComboBox box;
        const Parts p = parts(box);
        QVERIFY(p.up && p.down && p.text);
        QVERIFY(!p.up->isEnabled());
        QVERIFY(!p.down->isEnabled());
        box.addItem("only", 1);
        QVERIFY(!p.down->isEnabled()); // one entry: nowhere to go
        box.addItem("second", 2);
        QVERIFY(p.up->isEnabled());
        QVERIFY(p.down->isEnabled());
    }

    void stepsEmitOnceAndStopAtTheEnds()
    {
        FComboBox box;
        fill(box);
        const Parts p = parts(box);
        QSignalSpy activated(&box, &FComboBox::activated);
        box.setCurrentIndex(1);
        QCOMPARE(activated.count(), 1);
        QCOMPARE(p.text->text(), QString("1.0x"));

        activated.clear();
        QTest::mouseClick(p.up, Qt::LeftButton);
        QCOMPARE(box.currentIndex(), 0);
        QCOMPARE(p.text->text(), QString("0.5x"));
        QVERIFY(!p.up->isEnabled());
        QCOMPARE(activated.count(), 1);
        QCOMPARE(activated.at(0).at(0).toInt(), 0);

        activated.clear();
        QTest::mouseClick(p.down, Qt::LeftButton);
        QVERIFY(p.up->isEnabled());
        QTest::mouseClick(p.down, Qt::LeftButton);
        QCOMPARE(box.currentIndex(), 2);
        QCOMPARE(p.text->text(), QString("2.0x"));
        QVERIFY(!p.down->isEnabled());
        QCOMPARE(activated.count(), 2);
        QCOMPARE(activated.at(1).at(0).toInt(), 2);
    }

    void setCurrentIndexOutOfRangeIsIgnored()
    {
        FComboBox box;
        fill(box);
        box.setCurrentIndex(1);
        QSignalSpy activated(&box, &FComboBox::activated);
        box.setCurrentIndex(3);
        box.setCurrentIndex(-1);
        QCOMPARE(activated.count(), 0);
        QCOMPARE(box.currentIndex(), 1);
        QCOMPARE(parts(box).text->text(), QString("1.0x"));
    }

    void upAtFirstEntryDoesNothing()
    {
        FComboBox box;
        fill(box);
        box.setCurrentIndex(0);
        const Parts p = parts(box);
        // setCurrentIndex leaves the buttons alone, so the upper one is still enabled.
        QVERIFY(p.up->isEnabled());
        QSignalSpy activated(&box, &FComboBox::activated);
        QTest::mouseClick(p.up, Qt::LeftButton);
        QCOMPARE(activated.count(), 0);
        QCOMPARE(box.currentIndex(), 0);
    }

    void itemData()
    {
        FComboBox box;
        fill(box);
        QCOMPARE(box.itemData(2).toDouble(), 2.0);
        QVERIFY(!box.itemData(3).isValid());
        QVERIFY(!box.itemData(-1).isValid());
    }

    void languageChangeShowsTheEntryAgain()
    {
        FComboBox box;
        fill(box);
        box.setCurrentIndex(2);
        QSignalSpy activated(&box, &FComboBox::activated);
        emit Configuration::instance()->updateLanguage();
        QCOMPARE(parts(box).text->text(), QString("2.0x"));
        QCOMPARE(activated.count(), 1);
        QCOMPARE(activated.at(0).at(0).toInt(), 2);
        QCOMPARE(parts(box).up->toolTip(), QString("Slow"));

        // An empty selector must survive a language change too.
        FComboBox empty;
        QSignalSpy none(&empty, &FComboBox::activated);
        emit Configuration::instance()->updateLanguage();
        QCOMPARE(none.count(), 0);
    }
};

QTEST_MAIN(TestFComboBox)
#include "tst_fcombobox.moc"
