// Start-up as a person sees it: starts the player on a one-channel card and watches the X
// server for its window to appear, to be painted, and to show the first video frame.
// Run under a real X server:
//   xvfb-run -a -s "-screen 0 1920x1080x24" bench_startup [runs] [waylume executable]...
// With several executables the runs alternate between them, so that each sees the same
// background load.
#include "tools/simulator/recordingsimulator.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QSet>
#include <QTemporaryDir>
#include <QThread>
#include <QX11Info>
#include <algorithm>
#include <xcb/xcb.h>

namespace {

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, quint16(strlen(name)), name), nullptr);
    const xcb_atom_t value = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(reply);
    return value;
}

// The largest viewable top-level window of the process, in root coordinates.
QRect windowOf(qint64 pid)
{
    xcb_connection_t *connection = QX11Info::connection();
    static const xcb_atom_t pidAtom = atom(connection, "_NET_WM_PID");
    QRect best;
    xcb_query_tree_reply_t *tree = xcb_query_tree_reply(
        connection, xcb_query_tree(connection, QX11Info::appRootWindow()), nullptr);
    if (!tree)
        return best;
    const xcb_window_t *children = xcb_query_tree_children(tree);
    for (int i = 0; i < xcb_query_tree_children_length(tree); ++i) {
        const xcb_window_t window = children[i];
        xcb_get_property_reply_t *property = xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, window, pidAtom, XCB_ATOM_CARDINAL, 0, 1),
            nullptr);
        const bool ours = property && xcb_get_property_value_length(property) == 4 &&
                          *static_cast<quint32 *>(xcb_get_property_value(property)) == pid;
        free(property);
        if (!ours)
            continue;
        xcb_get_window_attributes_reply_t *attributes = xcb_get_window_attributes_reply(
            connection, xcb_get_window_attributes(connection, window), nullptr);
        const bool viewable = attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
        free(attributes);
        xcb_get_geometry_reply_t *geometry =
            xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr);
        if (viewable && geometry) {
            const QRect rect(geometry->x, geometry->y, geometry->width, geometry->height);
            if (rect.width() * rect.height() > best.width() * best.height())
                best = rect;
        }
        free(geometry);
    }
    free(tree);
    return best;
}

struct Look
{
    int colours = 0;
    double vivid = 0; // share of strongly saturated pixels: the test pattern's colour bars
};

// Five rows across the window rather than all of it: grabbing whole windows every few
// milliseconds would take processor time from the player being measured.
Look look(const QRect &rect)
{
    QSet<QRgb> colours;
    int vivid = 0;
    int total = 0;
    for (int row = 1; row <= 5; ++row) {
        const int y = rect.y() + rect.height() * row / 6;
        const QImage line = QGuiApplication::primaryScreen()
                                ->grabWindow(0, rect.x(), y, rect.width(), 1)
                                .toImage()
                                .convertToFormat(QImage::Format_RGB32);
        for (int x = 0; x < line.width(); ++x) {
            const QRgb p = line.pixel(x, 0);
            colours.insert(p & 0xF0F0F0);
            const int high = std::max({qRed(p), qGreen(p), qBlue(p)});
            const int low = std::min({qRed(p), qGreen(p), qBlue(p)});
            vivid += high - low > 180 ? 1 : 0;
            ++total;
        }
    }
    return {colours.size(), total ? double(vivid) / total : 0};
}

struct Run
{
    qint64 shown = -1;
    qint64 painted = -1;
    qint64 frame = -1;
};

Run measure(const QString &executable, const QString &card)
{
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // Fresh settings each run: no remembered geometry or folder.
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.path() + QStringLiteral("/data"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path() + QStringLiteral("/config"));
    environment.insert(QStringLiteral("QT_GSTREAMER_PLAYBIN_AUDIOSINK"),
                       QStringLiteral("fakeaudiosink"));
    QProcess player;
    player.setProcessEnvironment(environment);
    player.setStandardOutputFile(QProcess::nullDevice());
    player.setStandardErrorFile(QProcess::nullDevice());

    Run run;
    QElapsedTimer clock;
    clock.start();
    player.start(executable, {card});
    if (!player.waitForStarted(10000))
        return run;
    QRect window;
    while (clock.elapsed() < 60000 && player.state() == QProcess::Running) {
        if (run.shown < 0) {
            window = windowOf(player.processId());
            if (!window.isEmpty())
                run.shown = clock.elapsed();
            QThread::msleep(5);
            continue;
        }
        const Look seen = look(window);
        if (run.painted < 0 && seen.colours >= 3)
            run.painted = clock.elapsed();
        if (seen.vivid > 0.04) {
            run.frame = clock.elapsed();
            break;
        }
        QThread::msleep(20);
    }
    player.kill();
    player.waitForFinished(5000);
    return run;
}

qint64 median(QVector<qint64> values)
{
    if (values.isEmpty())
        return -1;
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    QStringList executables;
    for (int i = 2; i < argc; ++i)
        executables << QString::fromLocal8Bit(argv[i]);
    if (executables.isEmpty())
        executables << QStringLiteral(WAYLUME_BIN_DIR "/waylume");

    QTemporaryDir card;
    const QString folder = card.path() + QStringLiteral("/DCIM");
    QDir().mkpath(folder);
    Simulator::Recording recording;
    recording.arrangement = Simulator::Arrangement::GpsBoxTable;
    recording.track = Simulator::makeTrack(20);
    recording.realVideo = true;
    QString error;
    if (!Simulator::write(recording, folder + QStringLiteral("/20240517_083000_0000001F.MP4"),
                          &error)) {
        fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }

    QVector<QVector<Run>> results(executables.size());
    for (int i = 0; i < runs; ++i) {
        for (int e = 0; e < executables.size(); ++e) {
            const Run run = measure(executables.at(e), folder);
            printf("%s run %d: window shown %lld ms, painted %lld ms, first frame %lld ms\n",
                   qPrintable(executables.at(e)), i + 1, run.shown, run.painted, run.frame);
            fflush(stdout);
            results[e].append(run);
        }
    }
    for (int e = 0; e < executables.size(); ++e) {
        QVector<qint64> shown, painted, frame;
        for (const Run &run : results.at(e)) {
            shown << run.shown;
            painted << run.painted;
            frame << run.frame;
        }
        printf("%s median of %d: window shown %lld ms, painted %lld ms, first frame %lld ms\n",
               qPrintable(executables.at(e)), runs, median(shown), median(painted), median(frame));
    }
    return 0;
}
