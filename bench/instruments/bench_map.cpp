// A one-hour track (3,600 fixes, one statement per fix) handed to the OpenStreetMap page:
// the time from the end of the view's 500 ms wait until the page has drawn the polyline.
// The wait ends at an unobservable moment inside loadAllGpsData, so it is taken as the
// call's start plus 500 ms; any overshoot of the wait counts against the page (the figure
// is an upper bound). Run under a real X server:
//   xvfb-run -a -s "-screen 0 1920x1080x24" build/bin/bench/bench_map [--shot FILE.png]
#include "instruments/mapwebview.h"
#include "parser/cgpsutils.h"
#include "settings/configuration.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QtMath>
#include <benchmark/benchmark.h>
#include <vector>

namespace {

MapWebView *view = nullptr;
QString shotPath;

QVariant evaluate(const QString &script)
{
    QVariant result;
    bool done = false;
    view->page()->runJavaScript(script, [&](const QVariant &value) {
        result = value;
        done = true;
    });
    QDeadlineTimer deadline(60000);
    while (!done && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return result;
}

// A drive of `count` seconds around London: a slow loop with some wiggle.
QVector<QVector<double>> makeTrack(int count)
{
    QVector<QVector<double>> track;
    track.reserve(count);
    for (int i = 0; i < count; ++i) {
        const double t = 2 * M_PI * i / count;
        track.append({-0.1268 + 0.05 * qCos(t) + 0.002 * qSin(17 * t),
                      51.5088 + 0.03 * qSin(t) + 0.001 * qCos(23 * t)});
    }
    return track;
}

void BM_OsmTrackHandOver(benchmark::State &state)
{
    const QVector<QVector<double>> track = makeTrack(int(state.range(0)));
    double issueSeconds = 0;
    for (auto _ : state) {
        view->clearAll();
        evaluate(QStringLiteral("waylumeMap.clearCallLog(); 0"));
        QElapsedTimer timer;
        timer.start();
        view->loadAllGpsData(track);
        const qint64 issued = timer.nsecsElapsed();
        for (;;) {
            const QVariant drawn = evaluate(QStringLiteral("waylumeMap.state().drawnTrack"));
            if (!drawn.isValid()) {
                state.SkipWithError("the page does not answer");
                return;
            }
            if (drawn.toInt() == track.size())
                break;
        }
        const double seconds = (timer.nsecsElapsed() - 500e6) / 1e9;
        issueSeconds += (issued - 500e6) / 1e9;
        state.SetIterationTime(seconds);
    }
    state.counters["issue_s"] = issueSeconds / double(state.iterations());
    if (!shotPath.isEmpty()) {
        QCoreApplication::processEvents();
        QTest::qWait(1500);
        view->grab().save(shotPath);
    }
}
BENCHMARK(BM_OsmTrackHandOver)
    ->Arg(3600)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

// The wait on its own, for comparison with the 500 ms taken above.
void BM_CooperativeWait(benchmark::State &state)
{
    for (auto _ : state)
        CGPSUtils::instance()->wait(500);
}
BENCHMARK(BM_CooperativeWait)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    std::vector<char *> arguments(argv, argv + argc);
    for (int i = 1; i + 1 < argc; ++i) {
        if (qstrcmp(argv[i], "--shot") == 0)
            shotPath = QString::fromLocal8Bit(argv[i + 1]);
    }
    char disableWebSecurity[] = "--disable-web-security";
    arguments.push_back(disableWebSecurity);
    int count = int(arguments.size());
    arguments.push_back(nullptr);
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QApplication app(count, arguments.data());
    QStandardPaths::setTestModeEnabled(true);
    Configuration::instance()->setMaps(OpenStreetMap);

    MapWebView map;
    map.setAttribute(Qt::WA_DeleteOnClose, false);
    map.resize(640, 480);
    map.show();
    view = &map;
    QSignalSpy loaded(&map, &QWebEngineView::loadFinished);
    if (!loaded.wait(30000))
        return 1;
    QTest::qWait(2000); // let the tile attempts fail and the plain drawing settle

    int benchArgc = 1;
    benchmark::Initialize(&benchArgc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
