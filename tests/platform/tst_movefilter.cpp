#include "platform/movefilter.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

class TestMoveFilter : public QObject
{
    Q_OBJECT

private:
    QWidget *window = nullptr;
    MoveFilter *filter = nullptr;

    void send(QEvent::Type type, QPoint global, Qt::MouseButton button, Qt::MouseButtons buttons)
    {
        QMouseEvent event(type, window->mapFromGlobal(global), global, button, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(window, &event);
    }

    void drag(Qt::MouseButton button, QPoint from, QPoint to)
    {
        send(QEvent::MouseButtonPress, from, button, button);
        send(QEvent::MouseMove, from + (to - from) / 2, Qt::NoButton, button);
        send(QEvent::MouseMove, to, Qt::NoButton, button);
        send(QEvent::MouseButtonRelease, to, button, Qt::NoButton);
    }

private slots:
    void init()
    {
        window = new QWidget;
        filter = MoveFilter::install(window, window);
        window->setGeometry(100, 100, 300, 200);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }

    void cleanup() { delete window; }

    void installMakesFramelessWindow()
    {
        QCOMPARE(int(window->windowFlags()), 0x6801);
        QCOMPARE(filter->parent(), window);
    }

    void leftDragMoves()
    {
        const QPoint start = window->pos();
        drag(Qt::LeftButton, QPoint(150, 150), QPoint(190, 120));
        QCOMPARE(window->pos(), start + QPoint(40, -30));
    }

    void otherDragsDoNotMove()
    {
        const QPoint start = window->pos();
        drag(Qt::RightButton, QPoint(150, 150), QPoint(190, 120));
        QCOMPARE(window->pos(), start);

        filter->setMoveLocked(true);
        drag(Qt::LeftButton, QPoint(150, 150), QPoint(190, 120));
        QCOMPARE(window->pos(), start);
    }

    void doubleClickReportedEvenWhenLocked()
    {
        QSignalSpy spy(filter, &MoveFilter::doubleClicked);
        send(QEvent::MouseButtonDblClick, QPoint(150, 150), Qt::LeftButton, Qt::LeftButton);
        QCOMPARE(spy.count(), 1);
        filter->setMoveLocked(true);
        send(QEvent::MouseButtonDblClick, QPoint(150, 150), Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseButtonDblClick, QPoint(150, 150), Qt::RightButton, Qt::RightButton);
        QCOMPARE(spy.count(), 2);
    }

    void maximisedWindowDoesNotMove()
    {
        QSignalSpy spy(filter, &MoveFilter::doubleClicked);
        window->showMaximized();
        QTRY_VERIFY(window->isMaximized());
        const QPoint start = window->pos();
        drag(Qt::LeftButton, QPoint(150, 150), QPoint(190, 120));
        QCOMPARE(window->pos(), start);
        send(QEvent::MouseButtonDblClick, QPoint(150, 150), Qt::LeftButton, Qt::LeftButton);
        QCOMPARE(spy.count(), 1);
    }

    void dragInterruptedByLockDoesNotResume()
    {
        // The double click that maximises the window comes between press and release; the
        // release arrives while the mover is locked.
        const QPoint start = window->pos();
        send(QEvent::MouseButtonPress, QPoint(150, 150), Qt::LeftButton, Qt::LeftButton);
        filter->setMoveLocked(true);
        send(QEvent::MouseButtonRelease, QPoint(150, 150), Qt::LeftButton, Qt::NoButton);
        filter->setMoveLocked(false);
        send(QEvent::MouseMove, QPoint(250, 250), Qt::NoButton, Qt::NoButton);
        QCOMPARE(window->pos(), start);
    }
};

QTEST_MAIN(TestMoveFilter)
#include "tst_movefilter.moc"
