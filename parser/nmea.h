#pragma once

#include "parser/telemetry.h"

#include <QByteArray>
#include <QHash>

// NMEA 0183 sentences as dash cameras and phones log them: RMC for time, position, speed and
// course, GGA for altitude and fix quality (GP and GN talkers alike), and the "$GS,x,y,z"
// G-sensor lines some cameras add.
class NmeaReader
{
public:
    // seconds: where the sentence lies in the recording; negative when the caller does not
    // know, and the time then comes from the sentence's own UTC, counted from the first fix.
    void addSentence(const QByteArray &sentence, double seconds = -1);
    // Several sentences, one per line.
    void addText(const QByteArray &text, double seconds = -1);
    // A BlackVue log: every line "[unix time in ms]$GPxxx,...", the first stamp being the
    // start of the recording.
    void addBlackVueLog(const QByteArray &text);
    // One sample of a subtitle track: 16-bit big-endian length, then the text.
    void addTextSample(const QByteArray &sample, double seconds);

    int rejected() const { return mRejected; }
    Telemetry finish();

    // A BlackVue "3gf" accelerometer log: 10-byte records, u32 ms then three i16 axes.
    static void addBlackVueAccel(const QByteArray &records, Telemetry &telemetry);
    // True for a well-formed sentence whose checksum (where present) matches.
    static bool checksumOk(const QByteArray &sentence);

private:
    struct Gga
    {
        double altitude = 0;
        bool fix = true;
    };
    void addRmc(const QList<QByteArray> &fields, double seconds);
    void addGga(const QList<QByteArray> &fields);
    void addGsensor(const QList<QByteArray> &fields, double seconds);

    Telemetry mTelemetry;
    QHash<QByteArray, Gga> mGga;       // by time of day as written
    QVector<QByteArray> mFixTimeOfDay; // parallel to mTelemetry.fixes
    QVector<bool> mTimedByCaller;
    qint64 mBlackVueBase = -1;
    int mRejected = 0;
    double mLastSeconds = -1;
};
