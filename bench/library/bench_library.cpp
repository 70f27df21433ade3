// Opening a card through the same code as "Open Folder" (discovery, grouping, model
// insertion), without the window, for the built-in schemes and each camera layout, next to `find DIR -type f` on the same tree; and the probe's
// whole --scan (those rows, every row's channel lookup, the JSON text) on a card of ten day
// folders.
//
// Parse jobs are held (PlaylistModel::setParsingSuspended) so that the figure is the
// discovery's own cost: with them running, two pool threads would read 10,000 files on
// the same two cores and the measurement would be of the parser.

#include "library/playlistmodel.h"
#include "library/probereport.h"
#include "library/recordingdiscovery.h"
#include "tools/simulator/cardwriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLoggingCategory>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/resource.h>

namespace {

class StoppedHost : public DiscoveryHost
{
public:
    bool isMediaStopped() const override { return true; }
    void playRecording(PlaylistItem *) override {}
    void resetAfterEmptyOpen() override {}
    void storeVideoFolder(const QString &) override {}
};

void touch(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
}

// 10,000 files of two channels in one folder: front "F" at even numbers, rear "R" at odd.
QString makeLettersCard(const QString &root)
{
    const QString dir = root + "/letters/DCIM";
    QDir().mkpath(dir);
    for (int i = 0; i < 5000; ++i) {
        const QString clock =
            QString::asprintf("20230101_%02d%02d%02d_", (i / 3600) % 24, (i / 60) % 60, i % 60);
        touch(dir + '/' + clock + QString::asprintf("%07dF.MP4", 2 * i));
        touch(dir + '/' + clock + QString::asprintf("%07dR.MP4", 2 * i + 1));
    }
    return root + "/letters";
}

// 5,000 front + rear pairs in ten day folders of 1,000 files, running numbers across the
// card, the rear's clock a second after the front's.
QString makeDayFoldersCard(const QString &root)
{
    const QString card = root + "/days";
    int n = 0;
    for (int day = 1; day <= 10; ++day) {
        const QString dir = card + QString::asprintf("/DCIM/202301%02d", day);
        QDir().mkpath(dir);
        for (int i = 0; i < 500; ++i, n += 2) {
            const int s = i * 60;
            const QString date = QString::asprintf("202301%02d_%02d%02d", day, s / 3600, s / 60 % 60);
            touch(dir + '/' + date + QString::asprintf("%02d_%07dF.MP4", s % 60, n));
            touch(dir + '/' + date + QString::asprintf("%02d_%07dR.MP4", (s + 1) % 60, n + 1));
        }
    }
    return card;
}

// 2,500 recordings of four channels: Front, Rear, Middle and the fourth beside them.
QString makeFrontRearCard(const QString &root)
{
    const QString card = root + "/frontrear";
    for (const char *sub : {"Front", "Rear", "Middle"})
        QDir().mkpath(card + '/' + sub);
    for (int i = 0; i < 2500; ++i) {
        const QString base = QString::asprintf("2023_1201_%06d_", i);
        touch(card + "/Front/" + base + "00.MP4");
        touch(card + "/Rear/" + base + "01_b.MP4");
        touch(card + "/Middle/" + base + "01_b.MP4");
        touch(card + '/' + base + "01_b.MP4");
    }
    return card;
}

double cpuSeconds(const rusage &u)
{
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// The machine is shared, so wall time says as much about the neighbours as about the code;
// CPU time (user + system) is reported beside it for both sides.
double processCpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return cpuSeconds(u);
}

double findSeconds(const QString &dir, double *cpu)
{
    rusage before{};
    getrusage(RUSAGE_CHILDREN, &before);
    QElapsedTimer t;
    t.start();
    QProcess find;
    find.setStandardOutputFile(QProcess::nullDevice());
    find.start("find", {dir, "-type", "f"});
    find.waitForFinished(-1);
    const double wall = t.nsecsElapsed() / 1e9;
    rusage after{};
    getrusage(RUSAGE_CHILDREN, &after);
    *cpu += cpuSeconds(after) - cpuSeconds(before);
    return wall;
}

// Runs `open` (which returns the rows it yielded) against `find` on `card`.
template <typename Open> void timeAgainstFind(benchmark::State &state, const QString &card, Open open)
{
    double findTotal = 0;
    double openTotal = 0;
    double findCpu = 0;
    double openCpu = 0;
    double firstOpen = -1;
    int findRuns = 0;
    int rows = 0;
    double bytesPerRow = 0;
    // find runs before the opens, not between them: forking this process after a model
    // has filled the heap would make the next open pay a copy-on-write fault on every page.
    const int runs = int(state.max_iterations);
    malloc_trim(0);
    for (int i = 0; i < runs; ++i) {
        findTotal += findSeconds(card, &findCpu);
        ++findRuns;
    }
    for (auto _ : state) {
        state.PauseTiming();
        const size_t before = mallinfo2().uordblks;
        state.ResumeTiming();
        QElapsedTimer t;
        t.start();
        const double cpuBefore = processCpuSeconds();

        const int opened = open();

        const double openSeconds = t.nsecsElapsed() / 1e9;
        openCpu += processCpuSeconds() - cpuBefore;
        state.PauseTiming();
        openTotal += openSeconds;
        if (firstOpen < 0)
            firstOpen = openSeconds;
        rows = opened;
        bytesPerRow = double(mallinfo2().uordblks - before) / qMax(rows, 1);
        state.ResumeTiming();
    }
    const double findMean = findTotal / qMax(findRuns, 1);
    state.counters["rows"] = rows;
    state.counters["find_s"] = findMean;
    state.counters["open_s"] = openTotal / qMax(runs, 1);
    // The first open of the process also pays for growing the heap and Qt's first-use set-up.
    state.counters["first_open_s"] = firstOpen;
    state.counters["open_vs_find"] = (openTotal / qMax(runs, 1)) / qMax(findMean, 1e-9);
    state.counters["bytes_per_row"] = bytesPerRow;
    state.counters["find_cpu_s"] = findCpu / qMax(findRuns, 1);
    state.counters["open_cpu_s"] = openCpu / qMax(runs, 1);
    state.counters["cpu_open_vs_find"] =
        (openCpu / qMax(runs, 1)) / qMax(findCpu / qMax(findRuns, 1), 1e-9);
}

void openCard(benchmark::State &state, const QString &card)
{
    timeAgainstFind(state, card, [&] {
        PlaylistModel model;
        model.setParsingSuspended(true);
        StoppedHost host;
        RecordingDiscovery discovery(&model, &host);
        discovery.openUrls(QStringList{QUrl::fromLocalFile(card).toString()}, true);
        return model.rowCount();
    });
}

QString lettersCard;
QString frontRearCard;
QString dayFoldersCard;

// A card of a camera layout with about 10,000 files, written by the recording simulator.
QString makeLayoutCard(const QString &root, const QString &layout)
{
    // Files each recording of the layout's main folder brings (videos and side files).
    const int perRecording = layout == "tesla" || layout == "blackvue" ? 4
                             : layout == "gopro"                       ? 3
                             : layout == "thinkware"                   ? 2
                                                                       : 1;
    Simulator::CardOptions options;
    options.recordings = 10000 / perRecording;
    QString error;
    if (!Simulator::writeCard(layout, root + "/" + layout, options, nullptr, &error))
        qFatal("%s", qPrintable(error));
    return root + "/" + layout;
}

QHash<QString, QString> layoutCards;

void BM_OpenLayoutCard(benchmark::State &state, const QString &layout)
{
    openCard(state, layoutCards.value(layout));
}

// "waylume-probe --scan" without the process: rows, channels and the JSON text.
void BM_ProbeScanDayFolders(benchmark::State &state)
{
    timeAgainstFind(state, dayFoldersCard, [&] {
        const QJsonObject report = ProbeReport::scan(dayFoldersCard);
        benchmark::DoNotOptimize(QJsonDocument(report).toJson(QJsonDocument::Indented));
        return report.value("rows").toArray().size();
    });
}

void BM_OpenLettersCard(benchmark::State &state)
{
    openCard(state, lettersCard);
}
void BM_OpenFrontRearCard(benchmark::State &state)
{
    openCard(state, frontRearCard);
}

void quiet(QtMsgType type, const QMessageLogContext &, const QString &msg)
{
    if (type != QtDebugMsg)
        fprintf(stderr, "%s\n", qPrintable(msg));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler(quiet);
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false")); // as the probe does
    QTemporaryDir tmp;
    lettersCard = makeLettersCard(tmp.path());
    frontRearCard = makeFrontRearCard(tmp.path());
    dayFoldersCard = makeDayFoldersCard(tmp.path());
    for (const QString &layout : Simulator::cardLayouts()) {
        layoutCards.insert(layout, makeLayoutCard(tmp.path(), layout));
        benchmark::RegisterBenchmark(qPrintable("OpenLayoutCard/" + layout + "/10000files"),
                                     BM_OpenLayoutCard, layout)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(5)
            ->UseRealTime();
    }
    benchmark::RegisterBenchmark("OpenLettersCard/10000files", BM_OpenLettersCard)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(5)
        ->UseRealTime();
    benchmark::RegisterBenchmark("OpenFrontRearCard/2500x4", BM_OpenFrontRearCard)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(5)
        ->UseRealTime();
    benchmark::RegisterBenchmark("ProbeScan/10x1000files", BM_ProbeScanDayFolders)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(5)
        ->UseRealTime();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
