#include "library/probereport.h"

#include "library/channelsetup.h"
#include "library/playlistmodel.h"
#include "library/recordingdiscovery.h"
#include "platform/fileurl.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>

namespace {

// A window that is always stopped and only remembers which row it was asked to play.
class ProbeHost : public DiscoveryHost
{
public:
    bool isMediaStopped() const override { return !playing; }
    void playRecording(PlaylistItem *item) override
    {
        if (item && item->url.isValid()) {
            playRow = item->rowId;
            playing = true;
        }
    }
    void resetAfterEmptyOpen() override {}
    void storeVideoFolder(const QString &) override {}

    int playRow = -1;
    bool playing = false;
};

QString urlText(const QUrl &url)
{
    return url.isEmpty() ? QString() : QString::fromUtf8(url.toEncoded());
}

} // namespace

namespace ProbeReport {

namespace {

void discover(PlaylistModel &model, ProbeHost &host, const QString &folder)
{
    model.setParsingSuspended(true);
    RecordingDiscovery discovery(&model, &host);
    // "--scan ." must classify the folder by its own name, not by ".".
    const QString absolute =
        QDir::cleanPath(QFileInfo(FileUrl::toLocalPath(folder)).absoluteFilePath());
    discovery.openUrls(QStringList{FileUrl::fromLocalPath(absolute)}, true);
}

} // namespace

QStringList recordingPaths(const QString &folder)
{
    PlaylistModel model;
    ProbeHost host;
    discover(model, host, folder);
    QStringList paths;
    for (int row = 0; row < model.rowCount(); ++row)
        paths.append(model.itemAt(row)->url.toLocalFile());
    return paths;
}

QList<PlaylistItem> rows(const QString &folder)
{
    PlaylistModel model;
    ProbeHost host;
    discover(model, host, folder);
    QList<PlaylistItem> rows;
    for (int row = 0; row < model.rowCount(); ++row) {
        PlaylistItem copy;
        rows.append(*model.itemAt(row, &copy));
    }
    return rows;
}

QJsonObject scan(const QString &folder)
{
    PlaylistModel model;
    ProbeHost host;
    discover(model, host, folder);

    QJsonArray rows;
    FolderListings listings;
    for (int row = 0; row < model.rowCount(); ++row) {
        const PlaylistItem *item = model.itemAt(row);
        const ChannelSetup s = channelSetupFor(*item, listings);
        const QJsonObject channels{{"front", s.front},
                                   {"rear", s.rear},
                                   {"third", s.third},
                                   {"fourth", s.fourth},
                                   {"count", s.count},
                                   {"rearUrl", urlText(s.rearUrl)},
                                   {"thirdUrl", urlText(s.thirdUrl)},
                                   {"fourthUrl", urlText(s.fourthUrl)}};
        rows.append(QJsonObject{{"row", row},
                                {"fileName", item->fileName},
                                {"url", urlText(item->url)},
                                {"channels", channels},
                                {"layout", item->layout},
                                {"marks", QJsonArray::fromStringList(item->marks)}});
    }
    return QJsonObject{{"rows", rows}, {"play", host.playRow}};
}

QJsonObject front(const QString &file)
{
    const QString path = QDir::cleanPath(QFileInfo(FileUrl::toLocalPath(file)).absoluteFilePath());
    const QString fileUrl = FileUrl::fromLocalPath(path);
    PlaylistModel model;
    ProbeHost host;
    RecordingDiscovery discovery(&model, &host);
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    QString front = discovery.frontFileFor(path.left(slash), path.mid(slash + 1));
    // As the main window does with a drop: keep the dropped file when the front is missing.
    if (front.isEmpty() || !QFileInfo::exists(FileUrl::toLocalPath(front)))
        front = fileUrl;
    return QJsonObject{{"file", fileUrl}, {"front", front}};
}

} // namespace ProbeReport
