// Time to learn the facts and the whole track of a recording, warm cache, parse delay 0,
// for a 3-minute and a 1-hour recording of every arrangement; plus one parse at the
// default 5 ms delay. The recordings are simulated once into a scratch folder.

#include "parser/parserobject.h"
#include "parser/recordingscan.h"
#include "tools/simulator/recordingsimulator.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

QTemporaryDir &scratch()
{
    static QTemporaryDir dir(QDir::tempPath() + "/waylume-bench-parser-XXXXXX");
    return dir;
}

QString recording(Simulator::Arrangement arrangement, int seconds)
{
    const QString name = QString("%1-%2").arg(Simulator::arrangementName(arrangement)).arg(seconds);
    Simulator::Recording r;
    r.arrangement = arrangement;
    const bool twice = arrangement == Simulator::Arrangement::JldvAudio;
    Simulator::TrackShape shape;
    shape.intervalMs = twice ? 500 : 1000;
    r.track = Simulator::makeTrack(twice ? 2 * seconds : seconds, shape);
    r.duration = seconds;
    const bool avi = Simulator::containerOf(r) == Simulator::Container::Avi;
    const QString path = scratch().filePath(name + (avi ? ".AVI" : ".mp4"));
    if (!QFile::exists(path)) {
        QString error;
        if (!Simulator::write(r, path, &error))
            std::fprintf(stderr, "simulator: %s\n", qPrintable(error));
    }
    return path;
}

void scan(benchmark::State &state)
{
    const auto arrangement = Simulator::Arrangement(state.range(0));
    const int seconds = int(state.range(1));
    const QString path = recording(arrangement, seconds);
    ParserObject::setParseDelayMs(0);
    RecordingScan result = scanRecording(path); // warms the cache
    if (result.rawRecords.isEmpty())
        state.SkipWithError("no records decoded");
    for (auto _ : state) {
        result = scanRecording(path);
        benchmark::DoNotOptimize(result.track.size());
    }
    state.counters["records"] = double(result.rawRecords.size());
    state.counters["fileMB"] = double(QFile(path).size()) / 1e6;
    state.SetLabel(qPrintable(Simulator::arrangementName(arrangement)));
}

void scanWithDefaultDelay(benchmark::State &state)
{
    const QString path = recording(Simulator::Arrangement::GpsMetaTrack, 180);
    ParserObject::setParseDelayMs(0);
    scanRecording(path);
    ParserObject::setParseDelayMs(5);
    for (auto _ : state)
        benchmark::DoNotOptimize(scanRecording(path).track.size());
    ParserObject::setParseDelayMs(0);
    state.SetLabel("GpsMetaTrack, 5 ms per box and record");
}

void arrangements(benchmark::internal::Benchmark *b)
{
    for (Simulator::Arrangement a : Simulator::gpsArrangements())
        for (int seconds : {180, 3600})
            b->Args({int(a), seconds});
}

} // namespace

BENCHMARK(scan)->Apply(arrangements)->Unit(benchmark::kMicrosecond);
// The final pause of 20 ms is skipped here: it belongs to the job, not to scanRecording.
BENCHMARK(scanWithDefaultDelay)->Iterations(2)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    // The cooperative delay runs an event loop, which wants an application object.
    QCoreApplication app(argc, argv);
    // Record 0 of some arrangements complains about its G-sensor field; not news here.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
