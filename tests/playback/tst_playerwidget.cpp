#include "fakeffmpeg.h"
#include "playback/playerwidget.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>

class TestPlayerWidget : public QObject
{
    Q_OBJECT
private slots:
    // Outside full screen only Alt+keypad Enter is ours; inside it Space and the arrows
    // go to the window, Escape and Alt+Enter leave, and everything else is swallowed.
    void keys()
    {
        QWidget window;
        auto *player = new PlayerWidget(&window);
        window.show();
        QSignalSpy full(player, &PlayerWidget::fullScreen);
        QSignalSpy forwarded(player, &PlayerWidget::keyPressSignals);

        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(player, &escape);
        QVERIFY(!escape.isAccepted());
        QCOMPARE(full.size(), 0);

        QKeyEvent plainEnter(QEvent::KeyPress, Qt::Key_Enter, Qt::KeypadModifier);
        QApplication::sendEvent(player, &plainEnter);
        QVERIFY(!player->isFullScreen());

        QKeyEvent altEnter(QEvent::KeyPress, Qt::Key_Enter, Qt::AltModifier | Qt::KeypadModifier);
        QApplication::sendEvent(player, &altEnter);
        QVERIFY(player->isFullScreen());
        QCOMPARE(full.takeFirst().at(0).toBool(), true);

        for (int key : {Qt::Key_Space, Qt::Key_Left, Qt::Key_Right, Qt::Key_A, Qt::Key_Up}) {
            QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
            QApplication::sendEvent(player, &event);
        }
        QCOMPARE(forwarded.size(), 3);

        QKeyEvent escapeFull(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(player, &escapeFull);
        QVERIFY(escapeFull.isAccepted());
        QVERIFY(!player->isFullScreen());
        QVERIFY(!player->isWindow());
        QCOMPARE(full.takeFirst().at(0).toBool(), false);

        QApplication::sendEvent(player, &altEnter);
        QVERIFY(player->isFullScreen());
        QApplication::sendEvent(player, &altEnter);
        QVERIFY(!player->isFullScreen());
        QVERIFY(!player->isWindow());
    }

    // Double click takes the player out of its window and back again.
    void doubleClick()
    {
        QWidget window;
        auto *player = new PlayerWidget(&window);
        window.show();
        QSignalSpy full(player, &PlayerWidget::fullScreen);
        QTest::mouseDClick(player, Qt::LeftButton);
        QVERIFY(player->isWindow());
        QVERIFY(player->isFullScreen());
        QTest::mouseDClick(player, Qt::LeftButton);
        QVERIFY(!player->isWindow());
        QVERIFY(!player->isFullScreen());
        QCOMPARE(player->parentWidget(), &window);
        QCOMPARE(full.size(), 2);
        QCOMPARE(full.at(0).at(0).toBool(), true);
        QCOMPARE(full.at(1).at(0).toBool(), false);

        QTest::mouseDClick(player, Qt::LeftButton);
        player->exitFullScreen();
        QVERIFY(!player->isWindow());
    }

    // One message per request: the first result speaks, later ones are silent.
    void captureMessages()
    {
        QWidget window;
        auto *first = new PlayerWidget(&window);
        auto *second = new PlayerWidget(&window);
        window.show();

        PlayerWidget::capturePending = true;
        first->onCaptureFinished(0);
        QVERIFY(!PlayerWidget::capturePending);
        QCOMPARE(QToolTip::text(), QStringLiteral("Snapshot success"));
        QToolTip::showText(QPoint(5, 5), QStringLiteral("marker"));
        second->onCaptureFinished(5);
        QCOMPARE(QToolTip::text(), QStringLiteral("marker"));

        PlayerWidget::capturePending = true;
        second->onCaptureFinished(-2);
        QCOMPARE(QToolTip::text(), QStringLiteral("Failed to capture"));

        PlayerWidget::capturePending = true;
        first->onCaptureFinished(-3);
        QMessageBox *box = nullptr;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *candidate = qobject_cast<QMessageBox *>(widget);
                candidate && candidate->isVisible())
                box = candidate;
        }
        QVERIFY(box);
        QCOMPARE(box->text(), QStringLiteral("Directory not exist!"));
        QCOMPARE(box->windowTitle(), QStringLiteral("Error"));
        box->close();
    }

    void screenshotWhileStopped()
    {
        FakeFfmpeg fake;
        QVERIFY(fake.install());
        PlayerWidget player;
        player.mediaPlayer()->setMedia(QUrl::fromLocalFile(QStringLiteral("/rec/a.mp4")));
        QVERIFY(player.screenshot(1000));
        QTest::qWait(300);
        QVERIFY(fake.calls().isEmpty());
    }
};

QTEST_MAIN(TestPlayerWidget)
#include "tst_playerwidget.moc"
