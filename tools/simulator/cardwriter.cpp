#include "tools/simulator/cardwriter.h"

#include "tools/simulator/recordingsimulator.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>

namespace Simulator {

namespace {

// Writes one file of the card: empty, a playable clip labelled with its camera, or text.
class CardFiles
{
public:
    CardFiles(const QString &root, const CardOptions &options, QStringList *written,
              QString *error)
        : root(root), options(options), written(written), error(error)
    {
    }

    bool video(const QString &rel, const QString &label)
    {
        if (!prepare(rel))
            return false;
        if (!options.realVideo)
            return text(rel, QByteArray());
        Recording r;
        r.arrangement = Arrangement::None;
        r.realVideo = true;
        r.duration = options.duration;
        r.width = 640;
        r.height = 360;
        if (!options.fontFile.isEmpty())
            r.videoFilter = QStringLiteral("drawtext=fontfile=%1:text='%2':fontsize=48:"
                                           "fontcolor=white:box=1:boxcolor=black@0.6:x=24:y=24")
                                .arg(options.fontFile, label);
        QString why;
        if (!write(r, root + QLatin1Char('/') + rel, &why))
            return fail(rel + QStringLiteral(": ") + why);
        return true;
    }

    bool text(const QString &rel, const QByteArray &content)
    {
        if (!prepare(rel))
            return false;
        QFile f(root + QLatin1Char('/') + rel);
        if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size())
            return fail(QStringLiteral("cannot write ") + f.fileName());
        return true;
    }

private:
    bool prepare(const QString &rel)
    {
        if (!QDir().mkpath(QFileInfo(root + QLatin1Char('/') + rel).absolutePath()))
            return fail(QStringLiteral("cannot make the folder of ") + rel);
        if (written)
            written->append(rel);
        return true;
    }
    bool fail(const QString &why)
    {
        if (error)
            *error = why;
        return false;
    }

    QString root;
    CardOptions options;
    QStringList *written;
    QString *error;
};

QDateTime clipTime(int i)
{
    return QDateTime(QDate(2024, 5, 17), QTime(8, 0, 0)).addSecs(60 * i);
}

bool tesla(CardFiles &files, const CardOptions &o)
{
    const char *const cameras[] = {"front", "back", "left_repeater", "right_repeater"};
    auto clip = [&](const QString &folder, const QDateTime &t, bool pillars) {
        const QString stem = folder + t.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss")) + '-';
        for (const char *camera : cameras) {
            if (!files.video(stem + camera + ".mp4", QString::fromLatin1(camera)))
                return false;
        }
        if (pillars) {
            for (const char *camera : {"left_pillar", "right_pillar"}) {
                if (!files.video(stem + camera + ".mp4", QString::fromLatin1(camera)))
                    return false;
            }
        }
        return true;
    };
    for (int i = 0; i < o.recordings; ++i) {
        if (!clip(QStringLiteral("TeslaCam/RecentClips/"), clipTime(i), false))
            return false;
    }
    const QDateTime saved = clipTime(o.recordings + 10);
    const QString savedFolder =
        "TeslaCam/SavedClips/" + saved.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss")) + '/';
    if (!clip(savedFolder, saved, true) ||
        !files.text(savedFolder + "event.json",
                    R"({"timestamp":")" + saved.addSecs(50).toString(Qt::ISODate).toLatin1() +
                        R"(","city":"Palo Alto","est_lat":"37.3948","est_lon":"-122.1503",)"
                        R"("reason":"user_interaction_dashcam_icon_tapped","camera":"0"})"))
        return false;
    const QDateTime sentry = clipTime(o.recordings + 20);
    const QString sentryFolder =
        "TeslaCam/SentryClips/" + sentry.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss")) + '/';
    return clip(sentryFolder, sentry, false) &&
           files.text(sentryFolder + "event.json",
                      R"({"timestamp":")" + sentry.addSecs(30).toString(Qt::ISODate).toLatin1() +
                          R"(","city":"Palo Alto","est_lat":"37.3950","est_lon":"-122.1490",)"
                          R"("reason":"sentry_aware_object_detection","camera":"5"})");
}

bool blackvue(CardFiles &files, const CardOptions &o)
{
    for (int i = 0; i < o.recordings; ++i) {
        // Every fifth recording an impact while driving; the last one parked, front only.
        const bool last = i == o.recordings - 1;
        const char type = last ? 'P' : (i % 5 == 4 ? 'E' : 'N');
        const QString stem = "Record/" +
                             clipTime(i).toString(QStringLiteral("yyyyMMdd_HHmmss")) + '_' + type;
        if (!files.video(stem + "F.mp4", QStringLiteral("front")) ||
            (!last && !files.video(stem + "R.mp4", QStringLiteral("rear"))) ||
            !files.text(stem + ".gps", QByteArray()) || !files.text(stem + ".3gf", QByteArray()))
            return false;
    }
    return true;
}

bool gopro(CardFiles &files, const CardOptions &o)
{
    // Two chapters per file number: GH01nnnn, GH02nnnn, then the next number.
    for (int i = 0; i < o.recordings; ++i) {
        const QString name = QString::asprintf("GH%02d%04d", i % 2 + 1, i / 2 + 1);
        if (!files.video("DCIM/100GOPRO/" + name + ".MP4", name) ||
            !files.text("DCIM/100GOPRO/" + QString(name).replace(1, 1, 'L') + ".LRV", QByteArray()) ||
            !files.text("DCIM/100GOPRO/" + name + ".THM", QByteArray()))
            return false;
    }
    return true;
}

bool thinkware(CardFiles &files, const CardOptions &o)
{
    auto clip = [&](const QString &folder, const QDateTime &t) {
        const QString stem =
            folder + "/REC_" + t.toString(QStringLiteral("yyyy_MM_dd_HH_mm_ss")) + '_';
        return files.video(stem + "F.MP4", QStringLiteral("front")) &&
               files.video(stem + "R.MP4", QStringLiteral("rear"));
    };
    for (int i = 0; i < o.recordings; ++i) {
        if (!clip(QStringLiteral("cont_rec"), clipTime(i)))
            return false;
    }
    return clip(QStringLiteral("evt_rec"), clipTime(o.recordings).addSecs(-30)) &&
           clip(QStringLiteral("parking_rec"), clipTime(o.recordings + 60));
}

bool garmin(CardFiles &files, const CardOptions &o)
{
    for (int i = 0; i < o.recordings; ++i) {
        if (!files.video(QString::asprintf("Video/GRMN%04d.MP4", i + 1), QStringLiteral("Video")))
            return false;
    }
    return files.video(QString::asprintf("Saved/GRMN%04d.MP4", o.recordings + 1),
                       QStringLiteral("Saved")) &&
           files.video(QString::asprintf("Parking/GRMN%04d.MP4", o.recordings + 2),
                       QStringLiteral("Parking"));
}

using Writer = std::function<bool(CardFiles &, const CardOptions &)>;

const QList<QPair<QString, Writer>> &writers()
{
    static const QList<QPair<QString, Writer>> list = {{QStringLiteral("tesla"), tesla},
                                                      {QStringLiteral("blackvue"), blackvue},
                                                      {QStringLiteral("gopro"), gopro},
                                                      {QStringLiteral("thinkware"), thinkware},
                                                      {QStringLiteral("garmin"), garmin}};
    return list;
}

} // namespace

QStringList cardLayouts()
{
    QStringList names;
    for (const auto &w : writers())
        names << w.first;
    return names;
}

bool writeCard(const QString &layout, const QString &root, const CardOptions &options,
               QStringList *written, QString *error)
{
    for (const auto &w : writers()) {
        if (w.first == layout) {
            CardFiles files(root, options, written, error);
            return w.second(files, options);
        }
    }
    if (error)
        *error = QStringLiteral("unknown layout ") + layout;
    return false;
}

} // namespace Simulator
