// How fast a big card's playlist fills: 500 three-minute recordings in three GPS arrangements,
// opened through the same code as "Open Folder". Reports the seconds from the open until every
// row shows its facts (duration, resolution) and until every track is decoded, with a warm
// cache and on slow storage (each read of a file costs an extra millisecond, see
// SlowStorage).
//
//   bench_fill [--delay=MS] [--rows=N] [--cap=SECONDS] [benchmark options]
//
// --delay sets the parse delay ("ParseDelayMs") for the run; --cap ends a run that has not
// filled by then, reporting how many rows had their facts and tracks.

#include "../common/slowstorage.h"
#include "library/playlistmodel.h"
#include "library/recordingdiscovery.h"
#include "parser/parserobject.h"
#include "parser/videoparser.h"
#include "tools/simulator/recordingsimulator.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTime>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <unistd.h>

namespace {

int rowTotal = 500;
int delayMs = 0;
double capSeconds = 120;

class StoppedHost : public DiscoveryHost
{
public:
    bool isMediaStopped() const override { return true; }
    void playRecording(PlaylistItem *) override {}
    void resetAfterEmptyOpen() override {}
    void storeVideoFolder(const QString &) override {}
};

// Three sources, one per arrangement, hard-linked under the names of a card: row i gets
// arrangement i % 3. The links share their pages, which a warm cache gives anyway.
QString makeCard(const QString &root)
{
    const QList<Simulator::Arrangement> kinds = {Simulator::Arrangement::GpsMetaTrack,
                                                 Simulator::Arrangement::Gps0Box,
                                                 Simulator::Arrangement::FreeGpsAudio};
    QStringList sources;
    for (const Simulator::Arrangement kind : kinds) {
        Simulator::Recording recording;
        recording.arrangement = kind;
        recording.track = Simulator::makeTrack(181);
        recording.duration = 180;
        recording.creationTime = QDateTime(QDate(2024, 5, 17), QTime(8, 0));
        const QString path = root + "/" + Simulator::arrangementName(kind) + ".MP4";
        QString error;
        if (!Simulator::write(recording, path, &error))
            qFatal("%s", qPrintable(error));
        sources << path;
    }
    const QString folder = root + "/card/DCIM";
    QDir().mkpath(folder);
    for (int i = 0; i < rowTotal; ++i) {
        const QString name = QStringLiteral("%1/20240517_%2_%3F.MP4")
                                 .arg(folder)
                                 .arg(QTime(0, 0).addSecs(180 * i).toString("hhmmss"))
                                 .arg(10 * i + 1, 7, 10, QLatin1Char('0'));
        if (::link(QFile::encodeName(sources.at(i % 3)).constData(),
                   QFile::encodeName(name).constData()) != 0)
            qFatal("cannot link %s", qPrintable(name));
    }
    return root + "/card";
}

struct Fill
{
    double factsSeconds = -1;
    double tracksSeconds = -1;
    int rows = 0;
    int withFacts = 0;
    int withTracks = 0;
};

Fill openAndFill(const QString &card)
{
    Fill fill;
    QElapsedTimer clock;
    clock.start();
    PlaylistModel model;
    StoppedHost host;
    RecordingDiscovery discovery(&model, &host);
    discovery.openUrls(QStringList{QUrl::fromLocalFile(card).toString()}, true);
    fill.rows = model.rowCount();

    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        fill.withFacts = 0;
        fill.withTracks = 0;
        for (int row = 0; row < fill.rows; ++row) {
            fill.withFacts += model.durationAt(row) > 0 ? 1 : 0;
            fill.withTracks += model.itemAt(row)->parser->isFinished() ? 1 : 0;
        }
        const double now = clock.nsecsElapsed() / 1e9;
        if (fill.factsSeconds < 0 && fill.withFacts == fill.rows)
            fill.factsSeconds = now;
        if (fill.tracksSeconds < 0 && fill.withTracks == fill.rows)
            fill.tracksSeconds = now;
        if ((fill.factsSeconds >= 0 && fill.tracksSeconds >= 0) || now > capSeconds)
            loop.quit();
    });
    poll.start(2);
    loop.exec();
    return fill;
}

void fillCard(benchmark::State &state, const QString &card, int slowReadUs)
{
    ParserObject::setParseDelayMs(delayMs);
    Fill last;
    double facts = 0;
    double tracks = 0;
    long long slowed = 0;
    for (auto _ : state) {
        if (slowReadUs > 0)
            SlowStorage::enable(slowReadUs);
        last = openAndFill(card);
        SlowStorage::disable();
        slowed = SlowStorage::slowedReads();
        facts += last.factsSeconds;
        tracks += last.tracksSeconds;
    }
    const double runs = double(state.iterations());
    state.counters["rows"] = last.rows;
    state.counters["delay_ms"] = delayMs;
    // -1 when the cap ended the run first; the row counts then say how far it got.
    state.counters["facts_s"] = last.factsSeconds < 0 ? -1 : facts / runs;
    state.counters["tracks_s"] = last.tracksSeconds < 0 ? -1 : tracks / runs;
    state.counters["rows_with_facts"] = last.withFacts;
    state.counters["rows_with_tracks"] = last.withTracks;
    if (slowReadUs > 0)
        state.counters["slow_reads"] = double(slowed);
}

QString cardPath;

void quiet(QtMsgType type, const QMessageLogContext &, const QString &msg)
{
    if (type != QtDebugMsg)
        fprintf(stderr, "%s\n", qPrintable(msg));
}

void takeOptions(int &argc, char **argv)
{
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg.startsWith("--delay="))
            delayMs = arg.mid(8).toInt();
        else if (arg.startsWith("--rows="))
            rowTotal = qMax(3, arg.mid(7).toInt());
        else if (arg.startsWith("--cap="))
            capSeconds = arg.mid(6).toDouble();
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
    qInstallMessageHandler(quiet);
    QTemporaryDir tmp;
    cardPath = makeCard(tmp.path());
    benchmark::RegisterBenchmark("FillCard/warm", [](benchmark::State &state) {
        fillCard(state, cardPath, 0);
    })->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
    benchmark::RegisterBenchmark("FillCard/slow1ms", [](benchmark::State &state) {
        fillCard(state, cardPath, 1000);
    })->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
