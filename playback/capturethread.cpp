#include "playback/capturethread.h"

#include "settings/configuration.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>
#include <QProcess>
#include <QTime>
#include <QTimer>

namespace {

const char *const kProgram = "ffmpeg";
// One frame from a seek should take well under a second; a process that runs this long
// is stuck on a damaged file and would hold up every later screenshot.
const int kCaptureTimeoutMs = 60000;
// How often a waiting capture looks for an abort request from the owner.
const int kAbortPollMs = 50;

} // namespace

CaptureThread::CaptureThread(QObject *parent) : QThread(parent)
{
    // finished() comes from the worker thread; the check runs on the owner's thread.
    connect(this, &QThread::finished, this, &CaptureThread::restartIfQueued, Qt::QueuedConnection);
}

CaptureThread::~CaptureThread()
{
    {
        QMutexLocker lock(&mutex);
        tasks.clear();
    }
    aborting.storeRelease(1);
    wait();
}

void CaptureThread::addTask(const QString &file, qint64 position)
{
    QMutexLocker lock(&mutex);
    qDebug() << "addTask" << file;
    if (file != currentFile) {
        qDebug() << "capture video file changed, clear all task" << currentFile << file;
        tasks.clear();
    }
    currentFile = file;
    tasks.append(position);
    saveFolder = Configuration::instance()->screenshotSavePath();
}

QString CaptureThread::timeText(qint64 position)
{
    return QTime(0, 0)
        .addMSecs(int(qBound<qint64>(0, position, 86399999)))
        .toString(QStringLiteral("hh:mm:ss.zzz"));
}

QString CaptureThread::outputFileName(const QString &folder, const QString &file,
                                      const QString &stamp)
{
    // Camera names such as "20230101_120000_F.MP4" may carry further dots; only the part
    // before the first one names the screenshot.
    const QString name = QFileInfo(file).fileName().section(QLatin1Char('.'), 0, 0);
    return QStringLiteral("%1/ScreenShot_%2__%3.jpeg").arg(folder, name, stamp);
}

QString CaptureThread::commandText(const QString &time, const QString &input, const QString &output)
{
    return QStringLiteral("ffmpeg -ss %1 -i \"%2\" -t 1 -r 1 -q:v 2 -f mjpeg \"%3\"")
        .arg(time, input, output);
}

QStringList CaptureThread::arguments(const QString &time, const QString &input,
                                     const QString &output)
{
    return {QStringLiteral("-ss"),
            time,
            QStringLiteral("-i"),
            input,
            QStringLiteral("-t"),
            QStringLiteral("1"),
            QStringLiteral("-r"),
            QStringLiteral("1"),
            QStringLiteral("-q:v"),
            QStringLiteral("2"),
            QStringLiteral("-f"),
            QStringLiteral("mjpeg"),
            output};
}

void CaptureThread::run()
{
    QString folder;
    {
        QMutexLocker lock(&mutex);
        looping = true;
        folder = saveFolder;
    }
    if (!QDir(folder).exists() && !QDir().mkpath(folder)) {
        qDebug() << "mkpath error, capture failed";
        {
            // Kept, these positions would be captured along with some later request,
            // long after the moment the user asked for.
            QMutexLocker lock(&mutex);
            tasks.clear();
            looping = false;
        }
        emit captureFinished(-3);
        return;
    }
    forever
    {
        QString file;
        qint64 position = -1;
        {
            QMutexLocker lock(&mutex);
            file = currentFile;
            folder = saveFolder;
            if (!tasks.isEmpty() && !aborting.loadAcquire())
                position = tasks.takeFirst();
            if (position < 0)
                looping = false;
        }
        if (position < 0)
            break;
        // The folder may have been changed in the settings since the run began.
        const int result = QDir().mkpath(folder) ? capture(file, folder, position) : -3;
        if (aborting.loadAcquire())
            break;
        emit captureFinished(result);
    }
    qDebug() << "Capture task finished, exit thread";
    qDebug() << "end run";
}

int CaptureThread::capture(const QString &file, const QString &folder, qint64 position)
{
    const QString stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyMMdd-hhmmss_zzz"));
    qDebug() << "start capture, timeStr" << stamp;
    const QString output = outputFileName(folder, file, stamp);
    const QString time = timeText(position);
    qDebug() << "captureCmd:" << commandText(time, file, output);

    // The paths go to ffmpeg as separate arguments, never through a command string, so
    // quotes and spaces in file names cannot change the command.
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(QString::fromLatin1(kProgram), arguments(time, file, output));
    if (!process.waitForStarted(-1))
        return -2;
    QElapsedTimer elapsed;
    elapsed.start();
    while (!process.waitForFinished(kAbortPollMs)) {
        if (process.state() == QProcess::NotRunning)
            break;
        if (aborting.loadAcquire() || elapsed.elapsed() > kCaptureTimeoutMs) {
            qDebug() << "capture aborted, killing ffmpeg";
            process.kill();
            process.waitForFinished(-1);
            return -1;
        }
    }
    if (process.exitStatus() == QProcess::CrashExit)
        return -1;
    if (process.exitCode() != 0)
        return process.exitCode();
    QFile jpeg(output);
    if (!jpeg.open(QIODevice::ReadOnly) || jpeg.size() == 0)
        return -4;
    return 0;
}

void CaptureThread::restartIfQueued()
{
    if (aborting.loadAcquire())
        return;
    {
        QMutexLocker lock(&mutex);
        // A running loop takes the queue itself.
        if (looping || tasks.isEmpty())
            return;
    }
    // The loop has ended with tasks left that were queued while it wound down; the
    // owner's start() then fell on a thread that was still finishing.
    if (isRunning()) {
        QTimer::singleShot(1, this, &CaptureThread::restartIfQueued);
        return;
    }
    start();
}
