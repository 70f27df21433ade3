#include "library/playlistmodel.h"

#include "library/cameralayouts.h"
#include "library/channellookup.h"
#include "library/gpsexplanation.h"
#include "library/channelnames.h"
#include "parser/videoparser.h"
#include "platform/filestatus.h"
#include "platform/fileurl.h"

#include <QCoreApplication>
#include <QDebug>
#include <QTime>

PlaylistModel::PlaylistModel(QObject *parent) : QAbstractItemModel(parent)
{
    registerParserMetaTypes();
}

PlaylistModel::~PlaylistModel()
{
    beginResetModel();
    // Work still queued is dropped; the running work must finish before its parsers go.
    parsing.stop();
    for (auto &item : items) {
        delete item->parser;
        item->parser = nullptr;
    }
    items.clear();
    endResetModel();
}

QModelIndex PlaylistModel::index(int row, int column, const QModelIndex &parent) const
{
    if (parent.isValid() || !inTable(row) || column < 0 || column >= columnTotal)
        return QModelIndex();
    return createIndex(row, column);
}

QModelIndex PlaylistModel::parent(const QModelIndex &) const
{
    return QModelIndex();
}

int PlaylistModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(items.size());
}

int PlaylistModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : columnTotal;
}

QVariant PlaylistModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !inTable(index.row()) || index.column() >= columnTotal)
        return QVariant();
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    if (role == Qt::ToolTipRole) {
        const QString tip = toolTipText(*items[size_t(index.row())]);
        return tip.isEmpty() ? QVariant() : QVariant(tip);
    }
    if (role != Qt::DisplayRole)
        return QVariant();
    const PlaylistItem &item = *items[size_t(index.row())];
    switch (index.column()) {
    case ColumnFileName:
        return item.fileName;
    case ColumnDuration:
        return QTime(0, 0).addSecs(item.duration).toString(QStringLiteral("HH:mm:ss"));
    case ColumnCreateDate:
        return item.createDate.toLocalTime().toString(QStringLiteral("yyyy/MM/dd hh:mm:ss"));
    case ColumnSize:
        return sizeText(item.size);
    case ColumnResolution:
        return QStringLiteral("%1 x %2").arg(item.resolution.width()).arg(item.resolution.height());
    default:
        return QVariant();
    }
}

QVariant PlaylistModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Vertical)
        return section >= 0 && section < rowCount() ? QVariant(section) : QVariant();
    switch (section) {
    case ColumnFileName:
        return tr("File Name");
    case ColumnDuration:
        return tr("Duration");
    case ColumnCreateDate:
        return tr("Create Date");
    case ColumnSize:
        return tr("Size");
    case ColumnResolution:
        return tr("Resolution");
    default:
        return QVariant();
    }
}

QString PlaylistModel::toolTipText(const PlaylistItem &item)
{
    QStringList lines;
    const QString why = GpsExplanation::text(item.gps);
    if (!why.isEmpty())
        lines << why;
    if (!item.extraFiles.isEmpty()) {
        QStringList names;
        for (const QString &path : item.extraFiles)
            names << lastComponent(path);
        lines << tr("Also recorded, not played: %1").arg(names.join(QStringLiteral(", ")));
    }
    return lines.join(QLatin1Char('\n'));
}

QString PlaylistModel::sizeText(qint64 size)
{
    static const QStringList units = [] {
        static const char *const names[] = {
            QT_TRANSLATE_NOOP("QInstaller", "bytes"), QT_TRANSLATE_NOOP("QInstaller", "KB"),
            QT_TRANSLATE_NOOP("QInstaller", "MB"),    QT_TRANSLATE_NOOP("QInstaller", "GB"),
            QT_TRANSLATE_NOOP("QInstaller", "TB"),    QT_TRANSLATE_NOOP("QInstaller", "PB"),
            QT_TRANSLATE_NOOP("QInstaller", "EB"),    QT_TRANSLATE_NOOP("QInstaller", "ZB"),
            QT_TRANSLATE_NOOP("QInstaller", "YB")};
        QStringList list;
        for (const char *name : names)
            list << QCoreApplication::translate("QInstaller", name);
        return list;
    }();
    double value = double(size);
    int unit = 0;
    while (value >= 1024.0 && unit + 1 < units.size()) {
        value /= 1024.0;
        ++unit;
    }
    return QStringLiteral("%1 %2").arg(QString::number(value, 'f', 0), units.at(unit));
}

int PlaylistModel::addUrl(const QUrl &url)
{
    const QFileInfo info(FileUrl::toLocalPath(QString::fromUtf8(url.toEncoded())));
    const int existing = groups.rowOfName(info.fileName());
    if (existing >= 0)
        return existing;
    // Not every file system keeps a birth time; the change time is the next best thing.
    QDateTime created = info.birthTime();
    if (!created.isValid())
        created = info.metadataChangeTime();
    const int row = appendRow(info.fileName(), info.absoluteFilePath(), url, created, info.size());
    // A dropped file of a camera layout is marked as a scan would have marked it.
    CameraLayouts::FileMatch m;
    if (CameraLayouts::match(info.absolutePath(), info.fileName(), &m))
        setCameraLayout(row, m.layout, m.marks, {}, CameraEvent());
    return row;
}

int PlaylistModel::addRow(const QFileInfo &fileInfo)
{
    return addRow(fileInfo, fileInfo.fileName());
}

int PlaylistModel::addRow(const QFileInfo &fileInfo, const QString &fileName)
{
    // QFileInfo hands out file times in local time, and every conversion makes the C library
    // look at the time zone file again: a third of the cost of opening a card. The row keeps
    // the instant in UTC and the view converts only what it shows.
    const QString path = fileInfo.absoluteFilePath();
    const FileStatus status = fileStatus(path);
    return appendRow(fileName, path, ChannelLookup::localUrl(path), status.changed, status.size);
}

int PlaylistModel::appendRow(const QString &fileName, const QString &path, const QUrl &url,
                             const QDateTime &createDate, qint64 size)
{
    const int row = int(items.size());
    beginInsertRows(QModelIndex(), row, row);
    auto item = std::make_unique<PlaylistItem>();
    item->rowId = row;
    item->fileName = fileName;
    item->createDate = createDate;
    item->size = size;
    item->url = url;
    item->parser = new VideoParser;
    connect(item->parser, &VideoParser::videoInfoChanged, this, &PlaylistModel::onVideoInfoChanged);
    connect(item->parser, &VideoParser::gpsDataChanged, this, &PlaylistModel::gpsDataChanged);
    connect(item->parser, &VideoParser::allGpsDataParserFinished, this,
            &PlaylistModel::allGpsDataParserFinished);
    connect(item->parser, &VideoParser::gpsDiagnosed, this, &PlaylistModel::onGpsDiagnosed);
    item->parser->setFile(path, row);
    item->parser->setReader(recordingReader);
    VideoParser *parser = item->parser;
    if (trackFileLookup) {
        double offset = 0;
        const QString trackFile = trackFileLookup(path, &offset);
        if (!trackFile.isEmpty())
            parser->setTrackFile(trackFile, offset);
    }
    parser->setTrackScheduler([this, parser] { parsing.runNow(parser); });
    PlaylistItem *raw = item.get();
    items.push_back(std::move(item));
    groups.append(raw->fileName);
    parsing.add(parser);
    endInsertRows();
    emit dataChanged(index(row, 0), index(row, columnTotal - 1));
    return row;
}

void PlaylistModel::setParsingSuspended(bool suspended)
{
    parsing.setSuspended(suspended);
}

int PlaylistModel::addGroupedFile(const QFileInfo &fileInfo, FolderScheme scheme)
{
    bool added = false;
    return addGroupedFile(fileInfo, scheme, added);
}

int PlaylistModel::addGroupedFile(const QFileInfo &fileInfo, FolderScheme scheme, bool &added)
{
    return addGroupedFile(fileInfo, fileInfo.fileName(), scheme, added);
}

int PlaylistModel::addGroupedFile(const QFileInfo &fileInfo, const QString &name,
                                  FolderScheme scheme, bool &added)
{
    added = false;
    if (fileInfo.isDir())
        return -1;
    const int row = joinedRow(name, scheme);
    if (row >= 0)
        return row;
    added = true;
    return addRow(fileInfo, name);
}

int PlaylistModel::joinedRow(const QString &name, FolderScheme scheme) const
{
    const int same = groups.rowOfName(name);
    if (same >= 0)
        return same;
    // Front/Rear cards name the rear "…01_b.MP4" beside the front's "…00.MP4"; the cut of
    // 7 characters gives the two different keys, which would list every rear file as a
    // recording of its own. The rear joins its front file's row instead.
    if (scheme == FolderScheme::SchemeFrontRear) {
        const int dot = name.lastIndexOf(QLatin1Char('.'));
        const QString stem = dot < 0 ? name : name.left(dot);
        if (stem.endsWith(ChannelNames::secondaryTail, Qt::CaseInsensitive)) {
            const QString front = stem.left(stem.size() - ChannelNames::secondaryTail.size()) +
                                  ChannelNames::frontTail + name.mid(stem.size());
            const int row = groups.rowOfName(front);
            if (row >= 0)
                return row;
        }
    }
    return groups.groupOf(name, scheme);
}

int PlaylistModel::addSingleFile(const QFileInfo &fileInfo, const QString &fileName)
{
    if (fileInfo.isDir())
        return -1;
    const int same = groups.rowOfName(fileName);
    return same >= 0 ? same : addRow(fileInfo, fileName);
}

void PlaylistModel::setCameraLayout(int row, const QString &layout, const QStringList &marks,
                                    const QStringList &extraFiles, const CameraEvent &event)
{
    if (!inTable(row))
        return;
    PlaylistItem &item = *items[size_t(row)];
    item.layout = layout;
    item.marks = marks;
    item.extraFiles = extraFiles;
    item.cameraEvent = event;
    emit dataChanged(index(row, 0), index(row, columnTotal - 1), {Qt::ToolTipRole});
}

PlaylistItem *PlaylistModel::itemAt(int row, PlaylistItem *copy) const
{
    if (!inTable(row))
        return nullptr;
    PlaylistItem *item = items[size_t(row)].get();
    if (!copy)
        return item;
    copy->rowId = item->rowId;
    copy->fileName = item->fileName;
    copy->duration = item->duration;
    copy->frameRate = item->frameRate;
    copy->createDate = item->createDate;
    copy->size = item->size;
    copy->resolution = item->resolution;
    copy->url = item->url;
    copy->codec = item->codec;
    copy->layout = item->layout;
    copy->marks = item->marks;
    copy->extraFiles = item->extraFiles;
    copy->cameraEvent = item->cameraEvent;
    return copy;
}

PlaylistItem *PlaylistModel::next(const QUrl &url) const
{
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i]->url == url)
            return i + 1 < items.size() ? items[i + 1].get() : nullptr;
    }
    return nullptr;
}

PlaylistItem *PlaylistModel::previous(const QUrl &url) const
{
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i]->url == url)
            return i > 0 ? items[i - 1].get() : nullptr;
    }
    return nullptr;
}

int PlaylistModel::codecAt(int row) const
{
    return inTable(row) ? items[size_t(row)]->codec : int(CodecH264);
}

QSize PlaylistModel::resolutionAt(int row) const
{
    return inTable(row) ? items[size_t(row)]->resolution : QSize(1920, 1080);
}

int PlaylistModel::durationAt(int row) const
{
    return inTable(row) ? items[size_t(row)]->duration : 0;
}

float PlaylistModel::frameRateAt(int row) const
{
    return inTable(row) ? items[size_t(row)]->frameRate : 0.0f;
}

void PlaylistModel::requestGpsAt(int row, int second)
{
    if (inTable(row))
        items[size_t(row)]->parser->requestGpsData(second);
}

void PlaylistModel::requestAllGps(int row)
{
    if (inTable(row))
        items[size_t(row)]->parser->requestAllGpsData();
}

void PlaylistModel::useTrackFile(int row, const QString &trackFile, double offsetSeconds)
{
    if (!inTable(row))
        return;
    VideoParser *parser = items[size_t(row)]->parser;
    parser->setTrackFile(trackFile, offsetSeconds);
    // The lane of the row about to play: the user is waiting for this track.
    parsing.runNow(parser);
}

QString PlaylistModel::trackFileAt(int row) const
{
    return inTable(row) ? items[size_t(row)]->parser->trackFile() : QString();
}

double PlaylistModel::trackFileOffsetAt(int row) const
{
    return inTable(row) ? items[size_t(row)]->parser->trackFileOffset() : 0.0;
}

void PlaylistModel::onVideoInfoChanged(int mId, VideoInfo info)
{
    if (!inTable(mId))
        return;
    PlaylistItem &item = *items[size_t(mId)];
    item.duration = info.duration;
    item.resolution = QSize(info.width, info.height);
    item.codec = info.codec;
    item.frameRate = info.frameRate;
    // Only this row changed; a dataChanged with invalid indexes is undefined for views.
    emit dataChanged(index(mId, 0), index(mId, columnTotal - 1));
}

void PlaylistModel::onGpsDiagnosed(int mId, GpsDiagnosis diagnosis)
{
    if (!inTable(mId))
        return;
    items[size_t(mId)]->gps = diagnosis;
    emit dataChanged(index(mId, 0), index(mId, columnTotal - 1), {Qt::ToolTipRole});
}

QUrl PlaylistModel::relatedUrl(const PlaylistItem *item, FolderScheme scheme, int kind)
{
    return item ? ChannelLookup::relatedUrl(*item, scheme, kind) : QUrl();
}

QUrl PlaylistModel::numberSearch(const PlaylistItem *item, FolderScheme scheme, int kind,
                                 const QString &dir)
{
    return item ? ChannelLookup::numberSearch(*item, scheme, kind, FileUrl::toLocalPath(dir))
                : QUrl();
}

QUrl PlaylistModel::lastLetterSearch(const PlaylistItem *item, const QString &dirUrl, int kind)
{
    return item ? ChannelLookup::lastLetterSearch(*item, dirUrl, kind) : QUrl();
}
