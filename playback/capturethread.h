#pragma once

#include <QAtomicInt>
#include <QList>
#include <QMutex>
#include <QString>
#include <QThread>

// Turns screenshot requests of one player into JPEG files in the screenshot folder by
// running one ffmpeg process per request. Requests queue while a capture runs; a request
// for another file drops what is still queued for the old one.
class CaptureThread : public QThread
{
    Q_OBJECT
public:
    explicit CaptureThread(QObject *parent = nullptr);
    // Stops a capture in progress (killing its ffmpeg) and waits for the thread, so the
    // worker never outlives the player that owns it.
    ~CaptureThread() override;

    // Called on the owner's thread, which then calls start().
    void addTask(const QString &file, qint64 position);

    // "01:02:03.456" for 3 723 456 ms.
    static QString timeText(qint64 position);
    // "<folder>/ScreenShot_<name up to the first dot>__<stamp>.jpeg".
    static QString outputFileName(const QString &folder, const QString &file, const QString &stamp);
    // The logged form of the command; the process itself gets an argument list.
    static QString commandText(const QString &time, const QString &input, const QString &output);
    static QStringList arguments(const QString &time, const QString &input, const QString &output);

signals:
    void captureFinished(int result);

protected:
    void run() override;

private:
    int capture(const QString &file, const QString &folder, qint64 position);
    void restartIfQueued();

    QMutex mutex;
    QString currentFile;
    QList<qint64> tasks;
    // Read from the settings store by addTask on the owner's thread: the store is not
    // made for use from the worker.
    QString saveFolder;
    // True from the start of a run until the run finds the queue empty (under mutex), so
    // a task queued while the thread is winding down is known to need another run.
    bool looping = false;
    QAtomicInt aborting{0};
};
