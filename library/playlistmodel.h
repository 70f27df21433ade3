#pragma once

#include "library/folderscheme.h"
#include "library/parsescheduler.h"
#include "library/playlistitem.h"
#include "library/recordinggroups.h"
#include "parser/gpsdata.h"

#include <QAbstractItemModel>
#include <QFileInfo>
#include <functional>
#include <memory>
#include <vector>

class RecordingReader;

// The playlist: one row per recording, in the order found. Each row's recording is parsed in
// the background (all rows' facts first, then their tracks; see ParseScheduler); the results
// fill the row and are passed on as signals.
class PlaylistModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    enum Column
    {
        ColumnFileName,
        ColumnDuration,
        ColumnCreateDate,
        ColumnSize,
        ColumnResolution
    };
    static constexpr int columnTotal = 5;

    explicit PlaylistModel(QObject *parent = nullptr);
    ~PlaylistModel() override;

    QModelIndex index(int row, int column,
                      const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // A single file (dropped or opened); the row that already holds a file of this name, or
    // the new row.
    int addUrl(const QUrl &url);
    // Appends a row for a discovered file; its row number.
    int addRow(const QFileInfo &fileInfo);
    int addRow(const QFileInfo &fileInfo, const QString &fileName);
    // Adds a discovered file unless its recording already has a row; -1 for a directory.
    int addGroupedFile(const QFileInfo &fileInfo, FolderScheme scheme, bool &added);
    int addGroupedFile(const QFileInfo &fileInfo, FolderScheme scheme);
    // The same, with the file name the caller already has (a scan meets thousands).
    int addGroupedFile(const QFileInfo &fileInfo, const QString &fileName, FolderScheme scheme,
                       bool &added);

    // The existing row that addGroupedFile would make `fileName` join, or -1.
    int joinedRow(const QString &fileName, FolderScheme scheme) const;
    // A file that no row and no row's channel accounts for, as a row of its own (the row that
    // already holds a file of this name, if any).
    int addSingleFile(const QFileInfo &fileInfo, const QString &fileName);
    // The row that holds a file of exactly this name, or -1.
    int rowOfFileName(const QString &fileName) const { return groups.rowOfName(fileName); }
    // What the card layout that named a row knows of it.
    void setCameraLayout(int row, const QString &layout, const QStringList &marks,
                         const QStringList &extraFiles, const CameraEvent &event);

    // The row record, or null outside the table; with `copy`, the plain fields are copied
    // into it and `copy` is returned.
    PlaylistItem *itemAt(int row, PlaylistItem *copy = nullptr) const;
    PlaylistItem *next(const QUrl &url) const;
    PlaylistItem *previous(const QUrl &url) const;
    int codecAt(int row) const;
    QSize resolutionAt(int row) const;
    int durationAt(int row) const;
    float frameRateAt(int row) const;
    void requestGpsAt(int row, int second);
    void requestAllGps(int row);
    // The row's track from now on comes from `trackFile` (GPX or NMEA), aligned to the
    // recording by time and moved by `offsetSeconds`; empty goes back to the recording's own.
    // The row is read again at once and its track announced as usual.
    void useTrackFile(int row, const QString &trackFile, double offsetSeconds);
    QString trackFileAt(int row) const;
    double trackFileOffsetAt(int row) const;
    // Asked for each row added from now on: the track file remembered for the recording at
    // `path` (empty when none) and its offset.
    using TrackFileLookup = std::function<QString(const QString &path, double *offsetSeconds)>;
    void setTrackFileLookup(TrackFileLookup lookup) { trackFileLookup = std::move(lookup); }

    // Channel file lookup of a row (kinds 1 rear, 2 third, 4 fourth).
    static QUrl relatedUrl(const PlaylistItem *item, FolderScheme scheme, int kind);
    static QUrl numberSearch(const PlaylistItem *item, FolderScheme scheme, int kind,
                             const QString &dir);
    static QUrl lastLetterSearch(const PlaylistItem *item, const QString &dirUrl, int kind);

    // The row's tooltip: where its GPS is, and the files of the recording no channel plays.
    static QString toolTipText(const PlaylistItem &item);

    // "1023 bytes", "2 KB", "10 MB": the size column's text.
    static QString sizeText(qint64 size);

    // While suspended, no background parse starts; resuming starts the held work in order.
    // For listing a folder without reading every recording (the probe tool).
    void setParsingSuspended(bool suspended);
    // The readers of rows added from now on (the container readers unless set); not owned.
    void setRecordingReader(RecordingReader *reader) { recordingReader = reader; }

signals:
    void gpsDataChanged(int mId, GpsData data);
    void allGpsDataParserFinished(int mId, QList<GpsData> dataList);

public slots:
    void onVideoInfoChanged(int mId, VideoInfo info);
    void onGpsDiagnosed(int mId, GpsDiagnosis diagnosis);

private:
    int appendRow(const QString &fileName, const QString &path, const QUrl &url,
                  const QDateTime &createDate, qint64 size);
    bool inTable(int row) const { return row >= 0 && row < int(items.size()); }

    std::vector<std::unique_ptr<PlaylistItem>> items;
    RecordingGroups groups;
    RecordingReader *recordingReader = nullptr;
    TrackFileLookup trackFileLookup;
    // Last member: destroyed first, after the destructor has already stopped it.
    ParseScheduler parsing;
};
