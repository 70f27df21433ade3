#include "fakemachine.h"
#include "parser/gpsdata.h"
#include "platform/machineinfo.h"
#include "probes/computeinfo.h"

#include <QRegularExpression>
#include <QtTest>

namespace {

QStringList logLines;

void captureLog(QtMsgType, const QMessageLogContext &, const QString &message)
{
    logLines << message;
}

struct Probe
{
    bool h264, h265, cpuHigh;
    QString machineInfo;
    QStringList log;
};

Probe probe(const FakeMachine &machine)
{
    logLines.clear();
    const QtMessageHandler previous = qInstallMessageHandler(captureLog);
    const ComputeInfo info{MachineInfo(machine.root())};
    qInstallMessageHandler(previous);
    return {info.isHDDecodeH264, info.isHDDecodeH265, info.mCpuLevelH, info.mMachineInfo,
            logLines};
}

const quint32 kVga = 0x030000;
const quint32 k3d = 0x030200;

} // namespace

class TestComputeInfo : public QObject
{
    Q_OBJECT

private slots:
    void processorLevel_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("high");
        QTest::addColumn<QString>("logLine");
        QTest::newRow("i7") << "Intel(R) Core(TM) i7-8550U CPU @ 1.80GHz" << true
                            << "CPU: >= intel Core(M) i3";
        QTest::newRow("i3") << "Intel(R) Core(TM) i3-2100 CPU @ 3.10GHz" << true
                            << "CPU: >= intel Core(M) i3";
        QTest::newRow("pentium") << "Intel(R) Pentium(R) CPU G4560 @ 3.50GHz" << false
                                 << " CPU: not interl Core(M)";
        QTest::newRow("no digit") << "Intel(R) Core(TM) iX" << false << " CPU: < intel Core(M) i3";
        QTest::newRow("ryzen") << "AMD Ryzen 5 3600 6-Core Processor" << true << "CPU AMD";
        QTest::newRow("empty") << "" << false << "";
    }

    void processorLevel()
    {
        QFETCH(QString, name);
        QFETCH(bool, high);
        QFETCH(QString, logLine);
        FakeMachine machine;
        if (!name.isEmpty())
            machine.setProcessor(name);
        const Probe result = probe(machine);
        QCOMPARE(result.cpuHigh, high);
        // The first processor's name, not the second's.
        QCOMPARE(result.machineInfo, name + QStringLiteral("\r\n"));
        QVERIFY(result.log.contains(QStringLiteral("CPU Info: \"%1\"").arg(name)));
        if (!logLine.isEmpty())
            QVERIFY2(result.log.contains(logLine), qPrintable(result.log.join('|')));
        QVERIFY(!result.h264 && !result.h265);
    }

    // The kernel's files claim a size of 0; the name must be read all the same.
    void processorNameFromTheKernel()
    {
        QFile real(QStringLiteral("/proc/cpuinfo"));
        QVERIFY(real.open(QIODevice::ReadOnly | QIODevice::Text));
        const QRegularExpression modelName(QStringLiteral("^model name\\s*: (.*)$"),
                                           QRegularExpression::MultilineOption);
        const QRegularExpressionMatch match = modelName.match(QString::fromUtf8(real.readAll()));
        if (!match.hasMatch())
            QSKIP("this processor has no model name");
        FakeMachine machine;
        QFile::remove(machine.root() + QStringLiteral("/proc/cpuinfo"));
        QVERIFY(QFile::link(QStringLiteral("/proc/cpuinfo"),
                            machine.root() + QStringLiteral("/proc/cpuinfo")));
        QCOMPARE(MachineInfo(machine.root()).processorName(), match.captured(1).trimmed());
    }

    void adapterModels_data()
    {
        QTest::addColumn<quint16>("vendor");
        QTest::addColumn<quint16>("device");
        QTest::addColumn<QString>("description");
        QTest::addColumn<bool>("h264");
        QTest::addColumn<bool>("h265");
        QTest::newRow("UHD 620") << quint16(0x8086) << quint16(0x5917)
                                 << "Intel Corporation UHD Graphics 620" << true << true;
        QTest::newRow("HD 4000") << quint16(0x8086) << quint16(0x0162)
                                 << "Intel Corporation IvyBridge GT2 [HD Graphics 4000]" << true
                                 << false;
        QTest::newRow("GT 730") << quint16(0x10de) << quint16(0x1287)
                                << "NVIDIA Corporation GK208B [GeForce GT 730]" << true << false;
        QTest::newRow("GTX 1060") << quint16(0x10de) << quint16(0x1c03)
                                  << "NVIDIA Corporation GP106 [GeForce GTX 1060 6GB]" << true
                                  << true;
        // The lists spell it "Tesia".
        QTest::newRow("Tesla T4") << quint16(0x10de) << quint16(0x1eb8)
                                  << "NVIDIA Corporation TU104GL [Tesla T4]" << false << false;
        // AMD's boards, named in brackets and slash lists: the lists' "RX 580 Series",
        // "RX 460 Graphics" and "550 Series" are among them; "580X" is a 580, "5800" is not.
        const QString amd = QStringLiteral("Advanced Micro Devices, Inc. [AMD/ATI] ");
        QTest::newRow("Ellesmere") << quint16(0x1002) << quint16(0x67df)
                                   << amd + "Ellesmere [Radeon RX 470/480/570/570X/580/580X/590]"
                                   << true << true;
        QTest::newRow("Baffin")
            << quint16(0x1002) << quint16(0x67ef)
            << amd + "Baffin [Radeon RX 460/560D / Pro 450/455/460/555/555X/560/560X]" << true
            << true;
        QTest::newRow("Lexa") << quint16(0x1002) << quint16(0x699f)
                              << amd + "Lexa PRO [Radeon 540/540X/550/550X / RX 540X/550/550X]"
                              << true << true;
        QTest::newRow("HD 4200") << quint16(0x1002) << quint16(0x9710)
                                 << amd + "RS880 [Radeon HD 4200]" << true << false;
        QTest::newRow("Navi 21") << quint16(0x1002) << quint16(0x73bf)
                                 << amd + "Navi 21 [Radeon RX 6800/6800 XT / 6900 XT]" << false
                                 << false;
        QTest::newRow("R9 280X") << quint16(0x1002) << quint16(0x6798)
                                 << amd + "Tahiti XT [Radeon HD 7970/8970 OEM / R9 280X]" << false
                                 << false;
        QTest::newRow("Raven Ridge")
            << quint16(0x1002) << quint16(0x15dd)
            << amd + "Raven Ridge [Radeon Vega Series / Radeon Vega Mobile Series]" << false
            << false;
        QTest::newRow("unknown id") << quint16(0x10de) << quint16(0xfffe) << "NVIDIA Corporation fffe"
                                    << false << false;
    }

    void adapterModels()
    {
        QFETCH(quint16, vendor);
        QFETCH(quint16, device);
        QFETCH(QString, description);
        QFETCH(bool, h264);
        QFETCH(bool, h265);
        FakeMachine machine;
        machine.setProcessor(QStringLiteral("Intel(R) Core(TM) i7-8550U CPU"));
        machine.addPciDevice(QStringLiteral("0000:00:02.0"), kVga, vendor, device);
        // An Intel network controller is not an adapter.
        machine.addPciDevice(QStringLiteral("0000:00:1f.6"), 0x020000, 0x8086, 0x15d7);
        const Probe result = probe(machine);
        QCOMPARE(result.h264, h264);
        QCOMPARE(result.h265, h265);
        QCOMPARE(result.machineInfo,
                 QStringLiteral("Intel(R) Core(TM) i7-8550U CPU\r\n\n") + description);
    }

    void adapterTextNamesEachAdapterOnceIntelFirst()
    {
        FakeMachine machine;
        machine.setProcessor(QStringLiteral("AMD Ryzen 5 3600 6-Core Processor"));
        // NVIDIA comes first on the bus; two identical cards are listed once.
        machine.addPciDevice(QStringLiteral("0000:01:00.0"), kVga, 0x10de, 0x1287);
        machine.addPciDevice(QStringLiteral("0000:02:00.0"), k3d, 0x10de, 0x1287);
        machine.addPciDevice(QStringLiteral("0000:00:02.0"), kVga, 0x8086, 0x0162);
        const Probe result = probe(machine);
        QCOMPARE(result.machineInfo,
                 QStringLiteral("AMD Ryzen 5 3600 6-Core Processor\r\n"
                                "\nIntel Corporation IvyBridge GT2 [HD Graphics 4000]"
                                "\nNVIDIA Corporation GK208B [GeForce GT 730]"));
        QVERIFY(result.h264);
        QVERIFY(!result.h265);
        QVERIFY(result.log.contains(QStringLiteral("Intel dCard H264: \"Graphics 4000\"")));
        QVERIFY(result.log.contains(QStringLiteral("NVIDIA dCard H264: \"GT 730\"")));
    }

    // An NVIDIA board whose bracketed number is on the AMD list ("550 Series") is not taken
    // for a Radeon.
    void amdModelsOnlyFromAmdAdapters()
    {
        FakeMachine machine;
        machine.setPciIds(QStringLiteral("usr/share/misc/pci.ids"),
                          "10de  NVIDIA Corporation\n\t1201  GF114 [GeForce GTX 560/560 Ti]\n");
        machine.addPciDevice(QStringLiteral("0000:01:00.0"), kVga, 0x10de, 0x1201);
        machine.setProcessor(QStringLiteral("AMD Ryzen 5 3600 6-Core Processor"));
        const Probe result = probe(machine);
        QVERIFY(!result.h264 && !result.h265);
    }

    // Fedora and Arch keep the database in hwdata/; without any, the ids stand in for names.
    void databasePlaces()
    {
        FakeMachine machine;
        machine.addPciDevice(QStringLiteral("0000:01:00.0"), kVga, 0x1002, 0x67df);
        machine.setPciIds(QStringLiteral("usr/share/hwdata/pci.ids"), pciIdsExcerpt());
        const QList<MachineInfo::DisplayAdapter> named = MachineInfo(machine.root()).displayAdapters();
        QCOMPARE(named.size(), 1);
        QCOMPARE(named[0].description,
                 QStringLiteral("Advanced Micro Devices, Inc. [AMD/ATI] "
                                "Ellesmere [Radeon RX 470/480/570/570X/580/580X/590]"));
        QVERIFY(probe(machine).h265);

        QFile::remove(machine.root() + QStringLiteral("/usr/share/hwdata/pci.ids"));
        QCOMPARE(MachineInfo(machine.root()).pciIdsPath(), QString());
        QCOMPARE(MachineInfo(machine.root()).displayAdapters().value(0).description,
                 QStringLiteral("1002 67df"));
    }

    // The lines the other cases use are the installed database's own.
    void excerptMatchesInstalledDatabase()
    {
        const QString installed = MachineInfo().pciIdsPath();
        if (installed.isEmpty())
            QSKIP("no PCI ID database installed (package pci.ids or hwdata)");
        QFile file(installed);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray database = file.readAll();
        for (const QByteArray &line : pciIdsExcerpt().split('\n')) {
            if (!line.isEmpty() && !line.startsWith('#'))
                QVERIFY2(database.contains("\n" + line + "\n"), line.constData());
        }
    }

    void warningAboveFourMillionPixels_data()
    {
        QTest::addColumn<int>("codec");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("h264");
        QTest::addColumn<bool>("h265");
        QTest::addColumn<bool>("cpu");
        QTest::addColumn<int>("warning");
        const int none = int(DecodeWarning::None);
        const int w264 = int(DecodeWarning::H264);
        const int w265 = int(DecodeWarning::H265);
        QTest::newRow("H.265 4,000,000") << int(CodecH265) << QSize(2000, 2000) << false << false
                                         << false << none;
        QTest::newRow("H.265 4,000,001") << int(CodecH265) << QSize(4000001, 1) << false << false
                                         << false << w265;
        QTest::newRow("H.264 4,000,000") << int(CodecH264) << QSize(2500, 1600) << false << false
                                         << false << none;
        QTest::newRow("H.264 4,000,001") << int(CodecH264) << QSize(4000001, 1) << false << true
                                         << true << w264;
        QTest::newRow("H.264 able") << int(CodecH264) << QSize(3840, 2160) << true << false
                                    << true << none;
        QTest::newRow("H.265 slow cpu") << int(CodecH265) << QSize(3840, 2160) << true << true
                                        << false << w265;
        QTest::newRow("H.265 able") << int(CodecH265) << QSize(3840, 2160) << false << true
                                    << true << none;
        QTest::newRow("other codec") << 0 << QSize(7680, 4320) << false << false << false << none;
    }

    void warningAboveFourMillionPixels()
    {
        QFETCH(int, codec);
        QFETCH(QSize, size);
        QFETCH(bool, h264);
        QFETCH(bool, h265);
        QFETCH(bool, cpu);
        QFETCH(int, warning);
        FakeMachine machine;
        ComputeInfo info{MachineInfo(machine.root())};
        info.isHDDecodeH264 = h264;
        info.isHDDecodeH265 = h265;
        info.mCpuLevelH = cpu;
        QCOMPARE(int(decodeWarningFor(codec, size, info)), warning);
    }
};

QTEST_GUILESS_MAIN(TestComputeInfo)
#include "tst_computeinfo.moc"
