#include "library/cameralayouts.h"

#include "library/channelnames.h"

#include <QRegularExpression>
#include <vector>

namespace CameraLayouts {

namespace {

// How a layout's recordings sort.
enum class Order
{
    ByTime,              // group "time": a clock written so that text order is time order
    ByNumberThenChapter, // groups "num" and "chap": a file number, then its chapters
    ByName               // the file name (running counters)
};

struct ChannelCode
{
    const char *code; // as the camera writes it in the name's "ch" group
    Channel channel;
};

// A folder word (the file's folder or the one above it, without regard to case) or a
// recording-type letter of the name, and the marks it gives.
struct Mark
{
    const char *word;
    const char *marks; // space-separated, lower case
};

struct Layout
{
    const char *name;
    // Named groups: "pre" and "post" around the channel code "ch" (absent for single-channel
    // cameras), "type" for a recording-type code, and the order groups.
    const char *pattern;
    Order order;
    std::vector<ChannelCode> channels;
    std::vector<Mark> folderMarks;
    std::vector<Mark> typeMarks;
    // Only inside one of the folders of folderMarks (names alone say too little).
    bool folderRequired = false;
};

// The table. Each row names where its facts come from; no other program's code was used.
const std::vector<Layout> &table()
{
    static const std::vector<Layout> layouts = {
        // Tesla: the TeslaCam folder of the car's USB drive: RecentClips (a rolling buffer, on
        // newer firmware in one folder per day), SavedClips and SentryClips with one folder
        // per event named by its time (YYYY-MM-DD_HH-MM-SS); one MP4 per camera and minute,
        // "<time>-front", "-back", "-left_repeater", "-right_repeater", on cars with six
        // cameras also "-left_pillar" and "-right_pillar"; event.json beside event clips.
        // Sources: Tesla Owner's Manual, "Dashcam" and "USB Drive Requirements for Recording
        // Videos"; sentry-recovery.com, "How Tesla stores video files on USB drives";
        // qloud.ltd, "Tesla has three storage buckets" (event.json fields).
        {"tesla",
         R"(^(?<pre>(?<time>\d{4}-\d{2}-\d{2}_\d{2}-\d{2}-\d{2})-)(?<ch>front|back|left_repeater|right_repeater|left_pillar|right_pillar)(?<post>\.mp4)$)",
         Order::ByTime,
         {{"front", Channel::Front},
          {"back", Channel::Rear},
          {"left_repeater", Channel::Third},
          {"right_repeater", Channel::Fourth},
          {"left_pillar", Channel::Extra},
          {"right_pillar", Channel::Extra}},
         {{"SavedClips", "saved"}, {"SentryClips", "sentry"}},
         {},
         false},
        // BlackVue: "<YYYYMMDD>_<HHMMSS>_<type><camera>.mp4" in the card's Record folder. The
        // camera letter is F (front), R (rear), I (interior, the third camera of three-channel
        // models) or O (optional); the type letter N normal, E driving impact, P parking,
        // M manual, I parking impact, O overspeed, A hard acceleration, T hard cornering,
        // B hard braking. Sources: BlackVue Help Center, "What types of recording or file does
        // the BlackVue camera create?"; BlackVue manuals, "Recording file naming".
        {"blackvue",
         R"(^(?<pre>(?<time>\d{8}_\d{6})_(?<type>[NEPMIOATB]))(?<ch>[FRIO])(?<post>\.mp4)$)",
         Order::ByTime,
         {{"F", Channel::Front}, {"R", Channel::Rear}, {"I", Channel::Third}, {"O", Channel::Fourth}},
         {},
         {{"E", "event impact"},
          {"P", "parking"},
          {"M", "manual"},
          {"I", "parking impact"},
          {"O", "event overspeed"},
          {"A", "event acceleration"},
          {"T", "event cornering"},
          {"B", "event braking"}},
         false},
        // GoPro: DCIM/1xxGOPRO. HERO6 and later write "GH<cc><nnnn>.MP4" (H.264) or
        // "GX<cc><nnnn>.MP4" (H.265), cc the chapter of file number nnnn; HERO5 and older
        // write the first chapter as "GOPR<nnnn>.MP4" and the next ones as "GP<cc><nnnn>.MP4".
        // A long recording is split into chapters, so file number first, chapter second.
        // Low-resolution copies (.LRV) and thumbnails (.THM) are not videos to list.
        // Source: GoPro Support, "GoPro Camera File Naming Convention".
        {"gopro",
         R"(^(?:G[HXP](?<chap>\d{2})|GOPR)(?<num>\d{4})\.mp4$)",
         Order::ByNumberThenChapter,
         {},
         {},
         {},
         false},
        // Thinkware: "REC_<YYYY>_<MM>_<DD>_<HH>_<MM>_<SS>_<C>.MP4", C = F (front) or R (rear),
        // in one folder per recording mode: cont_rec (continuous), evt_rec (incident while
        // driving), parking_rec (incident while parked), manual_rec, motion_rec and
        // motion_timelapse_rec (parking motion / time lapse). Sources: Thinkware F770 user's
        // manual 2-6 "Recorded Files"; Thinkware FA10 and X500 user manuals, 2-4 and 2-5.
        {"thinkware",
         R"(^(?<pre>REC_(?<time>\d{4}_\d{2}_\d{2}_\d{2}_\d{2}_\d{2})_)(?<ch>[FR])(?<post>\.mp4)$)",
         Order::ByTime,
         {{"F", Channel::Front}, {"R", Channel::Rear}},
         {{"evt_rec", "event"},
          {"parking_rec", "parking impact"},
          {"manual_rec", "manual"},
          {"motion_rec", "parking motion"},
          {"motion_timelapse_rec", "parking timelapse"}},
         {},
         false},
        // Garmin dash cams: one camera per file, sorted by folder: 100EVENT (saved when an
        // incident was detected), 101SAVED (saved by the user), 103PARKM (parking), 104UNSVD
        // (the loop); current models "Video", "Parking" and "Saved". File names are running
        // counters. Source: Garmin Dash Cam and Garmin Speak owner's manuals, "Videos and
        // Photos" (the three-digit folders); the newer folder names as the cards of current
        // models show them. Names that carry a built-in scheme's channel letter are left to it.
        {"garmin",
         R"(^(?<pre>.+)\.(?:mp4|mov|avi)$)",
         Order::ByName,
         {},
         {{"100EVENT", "event"},
          {"101SAVED", "saved"},
          {"103PARKM", "parking"},
          {"104UNSVD", ""},
          {"Video", ""},
          {"Parking", "parking"},
          {"Saved", "saved"}},
         {},
         true},
        // Viofo and 70mai publish no naming description that we could cite; their cards are
        // read by the built-in letter scheme and the rule that lists every other video file.
    };
    return layouts;
}

const QRegularExpression &patternOf(size_t index)
{
    static const std::vector<QRegularExpression> compiled = [] {
        std::vector<QRegularExpression> list;
        for (const Layout &layout : table()) {
            list.emplace_back(QString::fromLatin1(layout.pattern),
                              QRegularExpression::CaseInsensitiveOption);
            list.back().optimize();
        }
        return list;
    }();
    return compiled[index];
}

const Layout *layoutNamed(const QString &name, size_t *index)
{
    const std::vector<Layout> &layouts = table();
    for (size_t i = 0; i < layouts.size(); ++i) {
        if (name == QLatin1String(layouts[i].name)) {
            *index = i;
            return &layouts[i];
        }
    }
    return nullptr;
}

void addMarks(QStringList *marks, const char *words)
{
    for (const QString &word : QString::fromLatin1(words).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!marks->contains(word))
            marks->append(word);
    }
}

// The file's folder and the one above it: deeper folders are the user's, not the camera's.
QStringList cameraFolders(const QString &folder)
{
    const QStringList parts = folder.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    return parts.mid(qMax(0, int(parts.size()) - 2));
}

bool folderMarks(const Layout &layout, const QString &folder, QStringList *marks)
{
    bool inFolder = false;
    for (const QString &part : cameraFolders(folder)) {
        for (const Mark &mark : layout.folderMarks) {
            // Garmin's folder names are matched as the camera writes them; the rest are the
            // cameras' own lower-case words or mixed case that copies keep.
            const Qt::CaseSensitivity cs = layout.folderRequired ? Qt::CaseSensitive
                                                                 : Qt::CaseInsensitive;
            if (part.compare(QLatin1String(mark.word), cs) == 0) {
                addMarks(marks, mark.marks);
                inFolder = true;
            }
        }
    }
    return inFolder;
}

QString orderKey(const Layout &layout, const QRegularExpressionMatch &m, const QString &fileName)
{
    switch (layout.order) {
    case Order::ByTime:
        return m.captured(QStringLiteral("time"));
    case Order::ByNumberThenChapter: {
        // GOPR<nnnn> is the first chapter, before GP01<nnnn>.
        const QString chapter = m.captured(QStringLiteral("chap"));
        return m.captured(QStringLiteral("num")) +
               (chapter.isEmpty() ? QStringLiteral("00") : chapter);
    }
    case Order::ByName:
        break;
    }
    return fileName;
}

} // namespace

bool match(const QString &folder, const QString &fileName, FileMatch *out)
{
    const std::vector<Layout> &layouts = table();
    for (size_t i = 0; i < layouts.size(); ++i) {
        const Layout &layout = layouts[i];
        const QRegularExpressionMatch m = patternOf(i).match(fileName);
        if (!m.hasMatch())
            continue;
        QStringList marks;
        const bool inFolder = folderMarks(layout, folder, &marks);
        if (layout.folderRequired &&
            (!inFolder || ChannelNames::hasFrontLetter(fileName) ||
             ChannelNames::hasSecondaryLetter(fileName)))
            continue;
        FileMatch result;
        result.layout = QLatin1String(layout.name);
        const QString code = m.captured(QStringLiteral("ch"));
        if (layout.channels.empty()) {
            result.recordingKey = fileName.toLower();
        } else {
            result.recordingKey =
                (m.captured(QStringLiteral("pre")) + m.captured(QStringLiteral("post"))).toLower();
            for (const ChannelCode &c : layout.channels) {
                if (code.compare(QLatin1String(c.code), Qt::CaseInsensitive) == 0) {
                    result.channel = c.channel;
                    break;
                }
            }
        }
        const QString type = m.captured(QStringLiteral("type"));
        for (const Mark &mark : layout.typeMarks) {
            if (!type.isEmpty() && type.compare(QLatin1String(mark.word), Qt::CaseInsensitive) == 0)
                addMarks(&marks, mark.marks);
        }
        result.orderKey = orderKey(layout, m, fileName);
        result.marks = marks;
        if (out)
            *out = result;
        return true;
    }
    return false;
}

namespace {

QStringList namesFor(const QString &layoutName, const QString &fileName, bool extras,
                     Channel channel)
{
    size_t index = 0;
    const Layout *layout = layoutNamed(layoutName, &index);
    if (!layout)
        return {};
    const QRegularExpressionMatch m = patternOf(index).match(fileName);
    if (!m.hasMatch() || layout->channels.empty())
        return {};
    const QString pre = m.captured(QStringLiteral("pre"));
    const QString post = m.captured(QStringLiteral("post"));
    QStringList names;
    for (const ChannelCode &c : layout->channels) {
        if (extras ? c.channel == Channel::Extra : c.channel == channel) {
            names << pre + QLatin1String(c.code) + post;
            if (!extras)
                break;
        }
    }
    return names;
}

} // namespace

QString channelFileName(const QString &layout, const QString &fileName, Channel channel)
{
    const QStringList names = namesFor(layout, fileName, false, channel);
    return names.isEmpty() ? QString() : names.first();
}

QStringList extraFileNames(const QString &layout, const QString &fileName)
{
    return namesFor(layout, fileName, true, Channel::Extra);
}

QStringList layoutNames()
{
    QStringList names;
    for (const Layout &layout : table())
        names << QLatin1String(layout.name);
    return names;
}

} // namespace CameraLayouts
