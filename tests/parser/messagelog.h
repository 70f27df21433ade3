#pragma once

// Collects the debug lines written while it is alive.

#include <QMutex>
#include <QStringList>
#include <QtGlobal>

class MessageLog
{
public:
    MessageLog() { sLog = this, mPrevious = qInstallMessageHandler(&MessageLog::handle); }
    ~MessageLog()
    {
        qInstallMessageHandler(mPrevious);
        sLog = nullptr;
    }
    int count(const QString &text) const
    {
        QMutexLocker lock(&mMutex);
        int n = 0;
        for (const QString &line : mLines)
            n += line.contains(text) ? 1 : 0;
        return n;
    }
    QStringList lines() const
    {
        QMutexLocker lock(&mMutex);
        return mLines;
    }

private:
    static void handle(QtMsgType, const QMessageLogContext &, const QString &message)
    {
        if (sLog) {
            QMutexLocker lock(&sLog->mMutex);
            sLog->mLines.append(message);
        }
    }
    static inline MessageLog *sLog = nullptr;
    QtMessageHandler mPrevious = nullptr;
    mutable QMutex mMutex;
    QStringList mLines;
};
