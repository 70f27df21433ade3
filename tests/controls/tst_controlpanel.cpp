#include "controls/controlpanel.h"
#include "settings/configuration.h"

#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QStandardPaths>
#include <QTest>
#include <QToolButton>

namespace {

QLabel *label(ControlPanel &panel, const char *name)
{
    return panel.findChild<QLabel *>(name);
}

QSlider *slider(ControlPanel &panel, const char *name)
{
    return panel.findChild<QSlider *>(name);
}

QString playTime(ControlPanel &panel)
{
    return label(panel, "lbl_PlayTime")->text();
}

// The zero-length counter is shared by every panel; bring it back to 0 so that each test
// starts from the same place. Leaves the panel playing with duration 0.
void drainZeroLengthCounter(ControlPanel &panel)
{
    panel.setDuration(0);
    panel.setState(QMediaPlayer::PlayingState);
    QSignalSpy next(&panel, &ControlPanel::next);
    for (int i = 0; i < 2 && next.isEmpty(); ++i)
        panel.setCurrentTime(0);
    QCOMPARE(next.count(), 1);
}

// A panel laid out at its design size, playing a 100-second recording at second 50.
void showPlaying(ControlPanel &panel)
{
    panel.resize(647, 120);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    panel.setDuration(100);
    panel.setState(QMediaPlayer::PlayingState);
    panel.setCurrentTime(50);
    QCOMPARE(slider(panel, "hSlider_Seek")->value(), 50);
}

} // namespace

class TestControlPanel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        Configuration::instance()->setSpeedUnit(0);
    }

    // Run on its own by constructionAnnouncesNoRate with the signal dump switched on.
    void constructPanel() { ControlPanel panel; }

    void constructionAnnouncesNoRate()
    {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {"-vs", "constructPanel"});
        QVERIFY(child.waitForFinished(60000));
        const QString dump = QString::fromLocal8Bit(child.readAllStandardOutput());
        QVERIFY2(dump.contains("Signal: "), qPrintable(dump.left(2000)));
        QVERIFY2(!dump.contains("changeRate"), qPrintable(dump));
    }

    void initialState()
    {
        ControlPanel panel;
        QCOMPARE(panel.state(), QMediaPlayer::StoppedState);
        QVERIFY(!panel.findChild<QPushButton *>("btn_PlayOrPause")->isEnabled());
        QVERIFY(!panel.findChild<QPushButton *>("btn_Stop")->isEnabled());
        QVERIFY(panel.findChild<QPushButton *>("btn_Front")->isChecked());
        QCOMPARE(label(panel, "lbl_Text")->text(), QString("1.0x"));
    }

    void zeroLengthRecordingMovesOnAtTheSecondUpdate()
    {
        ControlPanel panel;
        drainZeroLengthCounter(panel);
        QSignalSpy next(&panel, &ControlPanel::next);
        panel.setCurrentTime(0);
        QCOMPARE(next.count(), 0);
        QCOMPARE(playTime(panel), QString("00:00:00/00:00:00"));
        panel.setCurrentTime(0);
        QCOMPARE(next.count(), 1);

        // Paused (or stopped), such updates only count.
        panel.setState(QMediaPlayer::PausedState);
        for (int i = 0; i < 3; ++i)
            panel.setCurrentTime(0);
        panel.setState(QMediaPlayer::StoppedState);
        panel.setCurrentTime(0);
        QCOMPARE(next.count(), 1);
    }

    void reachingTheDurationMovesOn()
    {
        ControlPanel panel;
        panel.setDuration(60);
        panel.setState(QMediaPlayer::PlayingState);
        QSignalSpy next(&panel, &ControlPanel::next);
        panel.setCurrentTime(59);
        QCOMPARE(next.count(), 0);
        QCOMPARE(playTime(panel), QString("00:00:59/00:01:00"));
        panel.setCurrentTime(60);
        QCOMPARE(next.count(), 1);
        QCOMPARE(playTime(panel), QString("00:01:00/00:01:00"));
        panel.setCurrentTime(60);
        QCOMPARE(next.count(), 2);
    }

    // The main window answers next() by stopping and resetting the panel from within the
    // signal; the update that reached the end must not paint its time over that reset.
    void resetFromWithinNextSticks()
    {
        ControlPanel panel;
        panel.setDuration(60);
        panel.setState(QMediaPlayer::PlayingState);
        connect(&panel, &ControlPanel::next, &panel, [&panel] {
            panel.setState(QMediaPlayer::StoppedState);
            panel.reset();
        });
        panel.setCurrentTime(60);
        QCOMPARE(playTime(panel), QString("00:00:00/00:01:00"));
        QCOMPARE(slider(panel, "hSlider_Seek")->value(), 0);
    }

    void updatesWhileStoppedAreIgnored()
    {
        ControlPanel panel;
        panel.setDuration(60);
        panel.setState(QMediaPlayer::PlayingState);
        panel.setCurrentTime(10);
        panel.setState(QMediaPlayer::StoppedState);
        QSignalSpy next(&panel, &ControlPanel::next);
        panel.setCurrentTime(60);
        panel.setCurrentTime(30);
        QCOMPARE(next.count(), 0);
        QCOMPARE(playTime(panel), QString("00:00:10/00:01:00"));
        QCOMPARE(slider(panel, "hSlider_Seek")->value(), 10);
    }

    void clockText()
    {
        QCOMPARE(ControlPanel::clockText(0), QString("00:00:00"));
        QCOMPARE(ControlPanel::clockText(3723), QString("01:02:03"));
        // Past a day the hours keep counting instead of the text going blank.
        QCOMPARE(ControlPanel::clockText(25 * 3600 + 61), QString("25:01:01"));
        QCOMPARE(ControlPanel::clockText(-5), QString("00:00:00"));
    }

    void stallNeedsTwoTicksWithoutUpdate()
    {
        ControlPanel panel;
        panel.setDuration(600);
        panel.setState(QMediaPlayer::PlayingState);
        panel.setCurrentTime(5);
        QSignalSpy next(&panel, &ControlPanel::next);

        panel.checkSamePosPlay();
        QCOMPARE(next.count(), 0);
        panel.setCurrentTime(6); // an update in between starts the count again
        panel.checkSamePosPlay();
        QCOMPARE(next.count(), 0);
        panel.checkSamePosPlay();
        QCOMPARE(next.count(), 1);
        // The count starts over after a request.
        panel.checkSamePosPlay();
        QCOMPARE(next.count(), 1);

        panel.setState(QMediaPlayer::PausedState);
        panel.checkSamePosPlay();
        panel.checkSamePosPlay();
        panel.checkSamePosPlay();
        QCOMPARE(next.count(), 1);
    }

    void seekSliderClicks()
    {
        ControlPanel panel;
        showPlaying(panel);
        QSlider *seek = slider(panel, "hSlider_Seek");
        QSignalSpy status(&panel, &ControlPanel::sliderStatusChanged);
        QSignalSpy moved(&panel, &ControlPanel::sliderMoved);
        QSignalSpy play(&panel, &ControlPanel::play);
        const int y = seek->height() / 2;

        QTest::mouseClick(seek, Qt::LeftButton, {}, QPoint(6, y));
        QCOMPARE(seek->value(), 0);
        QCOMPARE(status.count(), 1);
        QCOMPARE(status.at(0).at(0).toBool(), false);
        QCOMPARE(status.at(0).at(1).toInt(), 0);
        // One seek, to the clicked point: no page step on the way there.
        QCOMPARE(moved.count(), 1);
        QCOMPARE(moved.last().at(0).toInt(), 0);
        QCOMPARE(play.count(), 0);
        QVERIFY(!seek->isSliderDown());

        // A click in the groove maps between the handle's insets; paused, it also resumes.
        panel.setState(QMediaPlayer::PausedState);
        const int x = seek->width() * 3 / 4;
        const int expected = (x - 6) * 100 / (seek->width() - 22);
        QTest::mouseClick(seek, Qt::LeftButton, {}, QPoint(x, y));
        QCOMPARE(seek->value(), expected);
        QCOMPARE(status.last().at(1).toInt(), expected);
        QCOMPARE(play.count(), 1);

        // Stopped, every click seeks to the start.
        panel.setState(QMediaPlayer::StoppedState);
        QTest::mouseClick(seek, Qt::LeftButton, {}, QPoint(x, y));
        QCOMPARE(seek->value(), 0);
        QCOMPARE(status.last().at(1).toInt(), 0);
        QCOMPARE(play.count(), 1);
    }

    void seekSliderTooNarrowStillAnswers()
    {
        ControlPanel panel;
        showPlaying(panel);
        QSlider *seek = slider(panel, "hSlider_Seek");
        seek->setFixedWidth(22);
        QSignalSpy status(&panel, &ControlPanel::sliderStatusChanged);
        QTest::mouseClick(seek, Qt::LeftButton, {}, QPoint(10, 5));
        QCOMPARE(status.count(), 1);
    }

    void keyboardStep()
    {
        ControlPanel panel;
        QSignalSpy moved(&panel, &ControlPanel::sliderMoved);
        panel.setDuration(100);
        panel.step(1); // stopped: nothing
        QCOMPARE(moved.count(), 0);

        panel.setState(QMediaPlayer::PlayingState);
        panel.setCurrentTime(50);
        panel.step(1);
        panel.step(-1);
        QCOMPARE(moved.count(), 2);
        QCOMPARE(moved.at(0).at(0).toInt(), 51);
        QCOMPARE(moved.at(1).at(0).toInt(), 49);

        panel.setCurrentTime(100);
        panel.step(1);
        panel.setCurrentTime(0);
        panel.step(-1);
        QCOMPARE(moved.count(), 2);
    }

    void volumeSliderMutesAtZero()
    {
        ControlPanel panel;
        QSlider *volume = slider(panel, "hSlider_Volume");
        auto *mute = panel.findChild<QToolButton *>("tBtn_Mute");
        QSignalSpy muting(&panel, &ControlPanel::changeMuting);
        QSignalSpy changed(&panel, &ControlPanel::changeVolume);

        volume->setValue(75); // linear 30
        QCOMPARE(changed.last().at(0).toInt(), 30);
        QCOMPARE(muting.count(), 0);

        volume->setValue(0);
        QCOMPARE(muting.count(), 1);
        QCOMPARE(muting.last().at(0).toBool(), true);
        QCOMPARE(changed.last().at(0).toInt(), 0);
        QCOMPARE(mute->toolTip(), QString("Cancel Mute"));
        QVERIFY(mute->isChecked());

        volume->setValue(90); // linear 50
        QCOMPARE(muting.count(), 2);
        QCOMPARE(muting.last().at(0).toBool(), false);
        QCOMPARE(changed.last().at(0).toInt(), 50);
        QCOMPARE(mute->toolTip(), QString("Set Mute"));
        QVERIFY(!mute->isChecked());
    }

    void mutingFromThePlayersMovesTheSlider()
    {
        ControlPanel panel;
        QSlider *volume = slider(panel, "hSlider_Volume");
        panel.setVolume(30);
        QCOMPARE(volume->value(), 75);
        QSignalSpy muting(&panel, &ControlPanel::changeMuting);

        panel.setMuted(true);
        QCOMPARE(volume->value(), 0);
        QCOMPARE(muting.count(), 1);
        panel.setMuted(true); // unchanged: no second announcement
        QCOMPARE(muting.count(), 1);

        panel.setMuted(false);
        QCOMPARE(volume->value(), 75); // back to the remembered volume
        QCOMPARE(muting.count(), 2);

        // The mute button only toggles and announces; the slider stays.
        auto *mute = panel.findChild<QToolButton *>("tBtn_Mute");
        QTest::mouseClick(mute, Qt::LeftButton);
        QCOMPARE(muting.last().at(0).toBool(), true);
        QCOMPARE(mute->toolTip(), QString("Cancel Mute"));
        QCOMPARE(volume->value(), 75);
    }

    void speedText()
    {
        ControlPanel panel;
        panel.setSpeed(7);
        QCOMPARE(label(panel, "pBtn_SP")->text(), QString("007 km/h"));
        Configuration::instance()->setSpeedUnit(1);
        panel.setSpeed(0);
        QCOMPARE(label(panel, "pBtn_SP")->text(), QString("000 MPH"));
        panel.setSpeed(220);
        QCOMPARE(label(panel, "pBtn_SP")->text(), QString("136 MPH"));
        panel.setSpeed(100);
        QCOMPARE(label(panel, "pBtn_SP")->text(), QString("062 MPH"));
        Configuration::instance()->setSpeedUnit(0);
    }

    void rateSelection()
    {
        ControlPanel panel;
        QSignalSpy rate(&panel, &ControlPanel::changeRate);
        panel.setPlaybackRate(1.5f);
        QCOMPARE(rate.count(), 0);
        panel.setPlaybackRate(2.0f);
        QCOMPARE(rate.count(), 1);
        QCOMPARE(rate.last().at(0).toDouble(), 2.0);

        auto *slower = panel.findChild<QPushButton *>("pBtn_Up");
        QTest::mouseClick(slower, Qt::LeftButton);
        QCOMPARE(rate.last().at(0).toDouble(), 1.0);
        QTest::mouseClick(slower, Qt::LeftButton);
        QCOMPARE(rate.last().at(0).toDouble(), 0.5);
        QCOMPARE(rate.count(), 3);
    }

    void playButton()
    {
        ControlPanel panel;
        auto *button = panel.findChild<QPushButton *>("btn_PlayOrPause");
        panel.setPlayEnabled(true);
        QSignalSpy play(&panel, &ControlPanel::play);
        QSignalSpy pause(&panel, &ControlPanel::pause);

        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(play.count(), 1);
        // Nothing started playing: the button keeps its play look.
        QVERIFY(!button->isChecked());

        panel.setState(QMediaPlayer::PlayingState);
        QVERIFY(button->isChecked());
        QVERIFY(panel.findChild<QPushButton *>("btn_Stop")->isEnabled());
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(pause.count(), 1);

        panel.setState(QMediaPlayer::PausedState);
        QVERIFY(!button->isChecked());
        panel.playClicked();
        QCOMPARE(play.count(), 2);
    }

    void viewButtons()
    {
        ControlPanel panel;
        QSignalSpy rear(&panel, &ControlPanel::rearView);
        panel.onShowModeChanged(ShowRear);
        QVERIFY(panel.findChild<QPushButton *>("btn_Rear")->isChecked());
        QVERIFY(!panel.findChild<QPushButton *>("btn_Front")->isChecked());
        QCOMPARE(rear.count(), 0);
        panel.onShowModeChanged(ShowMode(7));
        QVERIFY(panel.findChild<QPushButton *>("btn_All")->isChecked());

        panel.disableBtn(true, true, false, false, true);
        QVERIFY(!panel.findChild<QPushButton *>("btn_3td")->isEnabled());
        QVERIFY(panel.findChild<QPushButton *>("btn_PlayOrPause")->isEnabled());
        QTest::mouseClick(panel.findChild<QPushButton *>("btn_Rear"), Qt::LeftButton);
        QCOMPARE(rear.count(), 1);
        QCOMPARE(rear.last().at(0).toBool(), true);
    }

    void informationLabels()
    {
        ControlPanel panel;
        panel.setLongitudeLatitude("N39.902354", "E116.391557");
        QCOMPARE(label(panel, "lbl_LongitudeAndLatitude")->text(),
                 QString("N39.902354,E116.391557"));
        panel.setGpsDateTime(QDateTime(QDate(2019, 7, 12), QTime(10, 10, 5)));
        QCOMPARE(label(panel, "lbl_GpsDateTime")->text(), QString("2019/07/12 10:10:05"));

        panel.reset();
        QCOMPARE(label(panel, "lbl_LongitudeAndLatitude")->text(), QString("00.000000,000.000000"));

        QSignalSpy rate(&panel, &ControlPanel::changeRate);
        emit Configuration::instance()->updateLanguage();
        QCOMPARE(label(panel, "lbl_GpsDateTime")->text(), QString("0000/00/00 00:00:00"));
        QCOMPARE(label(panel, "lbl_PlayTime")->text(), QString("00:00:00/00:00:00"));
        QCOMPARE(rate.count(), 1);
        QCOMPARE(rate.last().at(0).toDouble(), 1.0);
    }

    // The panel's look: its background is the dark panel colour, and every named image
    // is in the resources. WAYLUME_SCREENSHOT_DIR keeps a picture of it for review.
    void look()
    {
        ControlPanel panel;
        panel.resize(647, 120);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        const QImage image = panel.grab().toImage();
        QCOMPARE(image.pixelColor(4, 60).rgb(), QColor(44, 44, 52).rgb());
        const QByteArray folder = qgetenv("WAYLUME_SCREENSHOT_DIR");
        if (!folder.isEmpty())
            QVERIFY(image.save(QString::fromLocal8Bit(folder) + "/controlpanel.png"));

        const QStringList stems = {"front_view", "rear_view", "X",       "Y",        "PIP",  "file",
                                   "shot",       "prev",      "play",    "pause",    "stop", "next",
                                   "volume",     "mute",      "speedup", "speeddown"};
        for (const QString &stem : stems) {
            for (const char *state : {"normal", "hover", "pressed"}) {
                const QString name = QString(":/image/%1_%2.png").arg(stem, state);
                QVERIFY2(QFile::exists(name), qPrintable(name));
            }
        }
    }
};

QTEST_MAIN(TestControlPanel)
#include "tst_controlpanel.moc"
