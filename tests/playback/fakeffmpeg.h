#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// A stand-in for ffmpeg on the search path: logs "<time>|<input>" per call, writes its pid,
// then behaves as FAKE_FFMPEG_MODE says (write a frame, write nothing, fail, crash) after
// sleeping FAKE_FFMPEG_SLEEP seconds, and notes that it got that far.
class FakeFfmpeg
{
public:
    bool install()
    {
        if (!dir.isValid())
            return false;
        const QString script = dir.filePath(QStringLiteral("ffmpeg"));
        QFile file(script);
        if (!file.open(QIODevice::WriteOnly))
            return false;
        // The call is logged last, so that a test which sees it finds this call's pid and
        // no marker of an earlier call.
        file.write("#!/bin/sh\n"
                   "rm -f \"$FAKE_FFMPEG_PID.slept\"\n"
                   "echo $$ > \"$FAKE_FFMPEG_PID\"\n"
                   "echo \"$2|$4\" >> \"$FAKE_FFMPEG_LOG\"\n"
                   "sleep \"${FAKE_FFMPEG_SLEEP:-0}\"\n"
                   "echo $$ > \"$FAKE_FFMPEG_PID.slept\"\n"
                   "case \"$FAKE_FFMPEG_MODE\" in\n"
                   "  empty) : > \"${13}\" ;;\n"
                   "  fail) exit 3 ;;\n"
                   "  crash) kill -SEGV $$ ;;\n"
                   "  *) echo frame > \"${13}\" ;;\n"
                   "esac\n");
        file.close();
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
        savedPath = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(dir.path()) + ':' + savedPath);
        qputenv("FAKE_FFMPEG_LOG", QFile::encodeName(logFile()));
        qputenv("FAKE_FFMPEG_PID", QFile::encodeName(dir.filePath(QStringLiteral("pid"))));
        setMode(QString(), 0);
        return true;
    }
    ~FakeFfmpeg() { qputenv("PATH", savedPath); }

    void setMode(const QString &mode, double sleepSeconds)
    {
        qputenv("FAKE_FFMPEG_MODE", mode.toUtf8());
        qputenv("FAKE_FFMPEG_SLEEP", QByteArray::number(sleepSeconds));
    }
    QString logFile() const { return dir.filePath(QStringLiteral("calls.log")); }
    QStringList calls() const
    {
        QFile file(logFile());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    void clearCalls() { QFile::remove(logFile()); }
    qint64 lastPid() const
    {
        QFile file(dir.filePath(QStringLiteral("pid")));
        return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed().toLongLong() : 0;
    }
    // Whether a call slept its whole time, rather than being stopped during the sleep.
    bool sleptThrough() const { return QFile::exists(dir.filePath(QStringLiteral("pid.slept"))); }

private:
    QTemporaryDir dir;
    QByteArray savedPath;
};
