// The clip export's cost: 60 s of two 1080p30 channels side by side with every overlay
// item, against ffmpeg re-encoding the same two inputs with the same layout and encoder
// settings and no overlay, in one run. Inputs are written once by the recording simulator
// (real H.264 through ffmpeg) into build/bench-data/export and kept.
//
//   build/bin/bench/bench_export [--benchmark_filter=Small]
//
// Counters: "realtime" is seconds of clip per second of wall time (>= 1 is real time).

#include "export/cliptimeline.h"
#include "export/exportjob.h"
#include "tools/simulator/recordingsimulator.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

const int kSeconds = 60;

QString dataFolder()
{
    return QStringLiteral(WAYLUME_BIN_DIR "/../bench-data/export");
}

bool makeInputs(QString *error)
{
    const QString folder = dataFolder();
    const QString done = folder + QStringLiteral("/.complete");
    if (QFile::exists(done))
        return true;
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    Simulator::TrackShape shape;
    const QDateTime start(QDate(2024, 5, 17), QTime(8, 30, 0));
    shape.start = start;
    const QVector<Simulator::Fix> track = Simulator::makeTrack(kSeconds, shape);
    for (bool rear : {false, true}) {
        Simulator::Recording r;
        r.arrangement = rear ? Simulator::Arrangement::None : Simulator::Arrangement::GpsMetaTrack;
        if (!rear)
            r.track = track;
        r.duration = kSeconds;
        r.width = 1920;
        r.height = 1080;
        r.frameRate = 30;
        r.creationTime = start;
        r.realVideo = true;
        if (rear)
            r.videoFilter = QStringLiteral("negate");
        const QString name = QStringLiteral("20240517_083000_000000%1.MP4")
                                 .arg(rear ? QStringLiteral("2R") : QStringLiteral("1F"));
        if (!Simulator::write(r, folder + QLatin1Char('/') + name, error))
            return false;
    }
    QFile marker(done);
    return marker.open(QIODevice::WriteOnly);
}

void exportOnce(benchmark::State &state, unsigned overlay, QualityPreset quality)
{
    QString error;
    if (!makeInputs(&error)) {
        state.SkipWithError(qPrintable(error));
        return;
    }
    const QList<ClipRecording> recordings = ClipTimeline::loadFolder(dataFolder());
    if (recordings.size() != 1 || recordings[0].channels[1].isEmpty()) {
        state.SkipWithError("the bench card is not one front+rear recording");
        return;
    }
    const QList<ClipPiece> pieces{{0, 0.0, double(kSeconds)}};
    QTemporaryDir out;
    ExportOptions options;
    options.layout = ClipLayout::Side;
    options.overlay = overlay;
    options.text = QStringLiteral("Benchmark run");
    options.quality = quality;
    options.output = out.filePath(QStringLiteral("clip.mp4"));
    const CancelFlag cancel{false};
    for (auto _ : state) {
        const ExportResult result = ExportJob::runNow(recordings, pieces, options, false, cancel, {});
        if (!result.ok) {
            state.SkipWithError(qPrintable(result.error));
            return;
        }
    }
    state.counters["realtime"] = benchmark::Counter(
        kSeconds * double(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_PlainSmall(benchmark::State &state)
{
    exportOnce(state, 0, QualityPreset::Small);
}
void BM_OverlaySmall(benchmark::State &state)
{
    exportOnce(state, ExportNames::allOverlayItems(), QualityPreset::Small);
}
void BM_PlainStandard(benchmark::State &state)
{
    exportOnce(state, 0, QualityPreset::Standard);
}
void BM_OverlayStandard(benchmark::State &state)
{
    exportOnce(state, ExportNames::allOverlayItems(), QualityPreset::Standard);
}

// On a shared machine, --benchmark_enable_random_interleaving=true spreads others' load
// over plain and overlay runs alike.
BENCHMARK(BM_PlainSmall)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1)->Repetitions(2);
BENCHMARK(BM_OverlaySmall)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1)->Repetitions(2);
BENCHMARK(BM_PlainStandard)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_OverlayStandard)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
