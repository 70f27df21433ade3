// Many recordings in one process: waylume-probe against one `exiftool -ee` over the same
// files, both run as the user runs them (a process each, output thrown away).
//
//   build/bin/bench/bench_probe [--files=N] [--folder=DIR] [--probe=PROGRAM]
//
// Without --folder it writes N (default 100) small simulated recordings, the arrangements
// taking turns, 30 records each. Each benchmark reports the wall time (its time) and the
// children's CPU time (counter cpu_s), which says more on a shared machine; the ratios of
// exiftool to the probe follow the table. --probe names another build's probe to compare.
#include "tools/simulator/recordingsimulator.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <sys/resource.h>

namespace {

int fileCount = 100;
QString folder;
QString probeProgram = QStringLiteral(WAYLUME_BIN_DIR "/waylume-probe");
QStringList files;
std::map<std::string, std::pair<double, double>> results; // name: wall, cpu per run

double childrenCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void writeRecordings(const QString &root)
{
    const Simulator::Arrangement kinds[] = {
        Simulator::Arrangement::AmbarellaTrack, Simulator::Arrangement::GpsBoxTable,
        Simulator::Arrangement::FreeGpsAudio,   Simulator::Arrangement::Gps0Box,
        Simulator::Arrangement::SStarTrack,     Simulator::Arrangement::GpsMetaTrack,
        Simulator::Arrangement::AviGpslBlock,   Simulator::Arrangement::AviAudioChunks,
        Simulator::Arrangement::JldvAudio};
    for (int i = 0; i < fileCount; ++i) {
        Simulator::Recording recording;
        recording.arrangement = kinds[i % 9];
        const bool jldv = recording.arrangement == Simulator::Arrangement::JldvAudio;
        recording.track = Simulator::makeTrack(jldv ? 60 : 30);
        recording.duration = 30;
        recording.width = 320;
        recording.height = 240;
        recording.frameRate = 25;
        recording.creationTime = QDateTime(QDate(2024, 5, 17), QTime(8, 30));
        const bool avi = recording.arrangement == Simulator::Arrangement::AviGpslBlock ||
                         recording.arrangement == Simulator::Arrangement::AviAudioChunks;
        const QString path = QStringLiteral("%1/%2_%3.%4")
                                 .arg(root)
                                 .arg(i, 3, 10, QLatin1Char('0'))
                                 .arg(Simulator::arrangementName(recording.arrangement))
                                 .arg(avi ? QStringLiteral("avi") : QStringLiteral("mp4"));
        QString error;
        if (!Simulator::write(recording, path, &error))
            qFatal("%s", qPrintable(error));
        files << path;
    }
}

void runProcess(benchmark::State &state, const QString &program, const QStringList &arguments,
                const char *name)
{
    double wall = 0;
    double cpu = 0;
    for (auto _ : state) {
        QProcess process;
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        const double before = childrenCpuSeconds();
        QElapsedTimer timer;
        timer.start();
        process.start(program, arguments);
        if (!process.waitForFinished(600000) || process.exitCode() != 0) {
            state.SkipWithError("the program failed");
            return;
        }
        const double seconds = double(timer.nsecsElapsed()) / 1e9;
        state.SetIterationTime(seconds);
        wall += seconds;
        cpu += childrenCpuSeconds() - before;
    }
    const double runs = double(state.iterations());
    state.counters["cpu_s"] = cpu / runs;
    state.counters["files"] = double(files.size());
    results[name] = {wall / runs, cpu / runs};
}

void takeOptions(int &argc, char **argv)
{
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg.startsWith("--files="))
            fileCount = qMax(1, arg.mid(8).toInt());
        else if (arg.startsWith("--probe="))
            probeProgram = QString::fromLocal8Bit(arg.mid(8));
        else if (arg.startsWith("--folder="))
            folder = QString::fromLocal8Bit(arg.mid(9));
        else
            argv[kept++] = argv[i];
    }
    argc = kept;
}

} // namespace

int main(int argc, char **argv)
{
    takeOptions(argc, argv);
    QCoreApplication app(argc, argv);
    QTemporaryDir tmp;
    if (folder.isEmpty()) {
        writeRecordings(tmp.path());
    } else {
        const QDir dir(folder);
        for (const QString &name : dir.entryList(QDir::Files, QDir::Name))
            files << dir.filePath(name);
    }
    const QString probe = probeProgram;
    const QString exiftool = QStandardPaths::findExecutable(QStringLiteral("exiftool"));
    // Both read the files from the page cache, as the second of two runs would.
    QProcess warm;
    warm.setStandardOutputFile(QProcess::nullDevice());
    warm.start(probe, files);
    warm.waitForFinished(600000);
    benchmark::RegisterBenchmark("ManyFiles/waylume-probe", [probe](benchmark::State &state) {
        runProcess(state, probe, files, "probe");
    })->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);
    if (!exiftool.isEmpty()) {
        benchmark::RegisterBenchmark("ManyFiles/exiftool-ee", [exiftool](benchmark::State &state) {
            runProcess(state, exiftool, QStringList{QStringLiteral("-ee")} + files, "exiftool");
        })->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    if (results.count("probe") && results.count("exiftool")) {
        const auto &p = results["probe"];
        const auto &e = results["exiftool"];
        printf("exiftool -ee / waylume-probe over %lld files: wall %.1fx, cpu %.1fx\n",
               static_cast<long long>(files.size()), e.first / p.first, e.second / p.second);
    }
    return 0;
}
