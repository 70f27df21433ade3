// Plays a four-channel recording with GPS and G-sensor records in the real main window (map
// page included) and prints how playback keeps real time and how long the GUI thread is held
// up while the instruments follow every second: the media/wall ratio, CPU, and the lateness
// of a 10 ms timer on the GUI thread (p50, p99, worst).
// Run under a real X server:
//   xvfb-run -a -s "-screen 0 1920x1080x24" bench_window [channels] [seconds] [WxH]
#include "app/mainwindows.h"
#include "parser/videoparser.h"
#include "platform/websandbox.h"
#include "playback/playareamanager.h"
#include "playback/playerwidget.h"
#include "tools/simulator/recordingsimulator.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <sys/resource.h>

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// A card with one recording of up to four channels, made once and kept beside the build.
QString makeCard(int channels, int seconds, const QSize &size)
{
    const QString folder = QStringLiteral(WAYLUME_BIN_DIR "/../window-bench/%1x%2_%3s_%4ch")
                               .arg(size.width())
                               .arg(size.height())
                               .arg(seconds)
                               .arg(channels);
    QDir().mkpath(folder);
    const QString front = folder + "/20230101_120000_0000100F.MP4";
    if (QFileInfo(front).size() == 0) {
        Simulator::Recording recording;
        recording.track = Simulator::makeTrack(seconds);
        recording.realVideo = true;
        recording.width = size.width();
        recording.height = size.height();
        QString error;
        if (!Simulator::write(recording, front, &error))
            qFatal("%s", qPrintable(error));
    }
    // The other channels play copies of the front file: decoding costs the same.
    const char *others[] = {"20230101_120000_0000101R.MP4", "20230101_120000_0000102R.MP4",
                            "20230101_120000_0000103R.MP4"};
    for (int i = 0; i < channels - 1; ++i)
        QFile::copy(front, folder + "/" + others[i]);
    return folder;
}

qint64 percentile(QVector<qint64> values, double p)
{
    if (values.isEmpty())
        return -1;
    std::sort(values.begin(), values.end());
    return values.at(qMin(values.size() - 1, int(values.size() * p)));
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_GSTREAMER_PLAYBIN_AUDIOSINK", "fakeaudiosink");
    // The window's map page needs the web engine, which as root runs only without sandbox.
    WebSandbox::disableWhenRoot();
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type != QtDebugMsg)
            fprintf(stderr, "%s\n", qPrintable(message));
    });
    const int channels = argc > 1 ? qBound(1, atoi(argv[1]), 4) : 4;
    const int seconds = argc > 2 ? qMax(10, atoi(argv[2])) : 40;
    QSize size(1280, 720);
    if (argc > 3) {
        const QStringList parts = QString(argv[3]).split('x');
        if (parts.size() == 2)
            size = QSize(parts[0].toInt(), parts[1].toInt());
    }
    VideoParser::setParseDelayMs(0);
    const QString folder = makeCard(channels, seconds + 10, size);

    MainWindows window(nullptr);
    window.setGeometry(0, 0, 1600, 900);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    auto *area = window.findChild<PlayAreaManager *>("wgt_PlayArea");
    window.openFolder(folder);
    QMediaPlayer *main = area->playerFor(ShowFront)->mediaPlayer();
    if (!QTest::qWaitFor([&] { return main->position() > 1000; }, 60000)) {
        fprintf(stderr, "playback did not start\n");
        return 1;
    }

    QVector<qint64> lateness;
    QElapsedTimer tick;
    tick.start();
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        lateness.append(qMax<qint64>(0, tick.nsecsElapsed() / 1000000 - 10));
        tick.restart();
    });
    timer.start(10);

    const qint64 startPosition = main->position();
    const double startCpu = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    const int measured = seconds - 5;
    QTest::qWait(measured * 1000);
    const double elapsed = wall.elapsed() / 1000.0;
    const double advanced = (main->position() - startPosition) / 1000.0;
    printf("%d channel(s) %dx%d in the window with gauges and chart: %.1f s of media in %.1f s "
           "(ratio %.3f), CPU %.0f%% of one core\n",
           channels, size.width(), size.height(), advanced, elapsed, advanced / elapsed,
           100.0 * (cpuSeconds() - startCpu) / elapsed);
    printf("GUI thread lateness of a 10 ms timer: p50 %lld ms, p99 %lld ms, worst %lld ms "
           "(%d ticks)\n",
           percentile(lateness, 0.5), percentile(lateness, 0.99),
           lateness.isEmpty() ? -1 : *std::max_element(lateness.begin(), lateness.end()),
           int(lateness.size()));
    return 0;
}
