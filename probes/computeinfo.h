#pragma once

#include <QObject>
#include <QSize>
#include <QString>

class MachineInfo;

// Whether this machine can decode high-resolution H.264 and H.265 smoothly: the processor's
// class, and the graphics adapters looked up in lists of models known to decode them in
// hardware. Probed once per process; the answers never change while the player runs.
class ComputeInfo : public QObject
{
    Q_OBJECT

public:
    // The probe of this machine, made on the first call.
    static const ComputeInfo *instance();

    // The probe of any machine; instance() uses the one the player runs on.
    explicit ComputeInfo(const MachineInfo &machine, QObject *parent = nullptr);

    bool isHDDecodeH265 = false;
    bool isHDDecodeH264 = false;
    bool mCpuLevelH = false;
    // The processor's name, "\r\n", then the adapters' names, each after a "\n".
    QString mMachineInfo;
};

// Which warning the main window's decoding check shows for a recording.
enum class DecodeWarning { None, H265, H264 };
DecodeWarning decodeWarningFor(int codec, const QSize &resolution, const ComputeInfo &info);
