#include "library/driveplaylist.h"

#include "library/drivetimes.h"
#include "library/playlistmodel.h"
#include "parser/speedunits.h"

#include <QTime>

DrivePlaylist::DrivePlaylist(QObject *parent) : QAbstractProxyModel(parent) {}

void DrivePlaylist::setSourceModel(QAbstractItemModel *source)
{
    if (sourceModel())
        disconnect(sourceModel(), nullptr, this, nullptr);
    beginResetModel();
    summaries.clear();
    expanded.clear();
    QAbstractProxyModel::setSourceModel(source);
    rebuild();
    endResetModel();
    if (!source)
        return;
    // Rows are only appended while a card is scanned; anything else changes the drives,
    // whose summary comes again from the card's analysis.
    connect(source, &QAbstractItemModel::rowsInserted, this, &DrivePlaylist::onRowsInserted);
    const auto reset = [this]() {
        beginResetModel();
        summaries.clear();
        expanded.clear();
        rebuild();
        endResetModel();
    };
    connect(source, &QAbstractItemModel::rowsRemoved, this, reset);
    connect(source, &QAbstractItemModel::rowsMoved, this, reset);
    connect(source, &QAbstractItemModel::modelReset, this, reset);
    connect(source, &QAbstractItemModel::layoutChanged, this, reset);
    connect(source, &QAbstractItemModel::dataChanged, this, &DrivePlaylist::onDataChanged);
}

void DrivePlaylist::setDrives(const QVector<DriveReport::DriveSummary> &drives)
{
    beginResetModel();
    summaries.clear();
    const int sourceRows = sourceModel() ? sourceModel()->rowCount() : 0;
    // A summary of rows since removed (the analysis ran on an older list) is not shown.
    for (const DriveReport::DriveSummary &drive : drives) {
        if (drive.range.first >= 0 && drive.range.count > 0 &&
            drive.range.first + drive.range.count <= sourceRows &&
            (summaries.isEmpty() || summaries.last().range.first + summaries.last().range.count <=
                                        drive.range.first))
            summaries.append(drive);
    }
    expanded = QVector<bool>(summaries.size(), true);
    rebuild();
    endResetModel();
}

void DrivePlaylist::setMph(bool on)
{
    if (mph == on)
        return;
    mph = on;
    for (int d = 0; d < summaries.size(); ++d) {
        const int row = rowOfDrive(d);
        emit dataChanged(index(row, 0), index(row, columnCount() - 1), {Qt::DisplayRole});
    }
}

void DrivePlaylist::rebuild()
{
    rows.clear();
    const int sourceRows = sourceModel() ? sourceModel()->rowCount() : 0;
    proxyOfSource = QVector<int>(sourceRows, -1);
    int drive = 0;
    for (int s = 0; s < sourceRows; ++s) {
        while (drive < summaries.size() &&
               summaries.at(drive).range.first + summaries.at(drive).range.count <= s)
            ++drive;
        const bool inDrive = drive < summaries.size() && summaries.at(drive).range.first <= s;
        if (inDrive && summaries.at(drive).range.first == s)
            rows.append(Row{-1, drive});
        if (inDrive && !expanded.at(drive))
            continue;
        proxyOfSource[s] = rows.size();
        rows.append(Row{s, inDrive ? drive : -1});
    }
}

void DrivePlaylist::onRowsInserted(const QModelIndex &parent, int first, int last)
{
    if (parent.isValid())
        return;
    if (!summaries.isEmpty() || first != proxyOfSource.size()) {
        beginResetModel();
        summaries.clear();
        expanded.clear();
        rebuild();
        endResetModel();
        return;
    }
    // Without drives a row appended to the playlist is a row appended here: the view keeps
    // its selection and scroll while a card is listed.
    beginInsertRows(QModelIndex(), rows.size(), rows.size() + last - first);
    for (int s = first; s <= last; ++s) {
        proxyOfSource.append(rows.size());
        rows.append(Row{s, -1});
    }
    endInsertRows();
}

void DrivePlaylist::onDataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                                  const QVector<int> &roles)
{
    for (int s = topLeft.row(); s <= bottomRight.row() && s < proxyOfSource.size(); ++s) {
        const int row = proxyOfSource.at(s);
        if (row >= 0)
            emit dataChanged(index(row, topLeft.column()), index(row, bottomRight.column()),
                             roles);
    }
}

bool DrivePlaylist::isDriveRow(int row) const
{
    return row >= 0 && row < rows.size() && rows.at(row).source < 0;
}

int DrivePlaylist::driveOfRow(int row) const
{
    return row >= 0 && row < rows.size() ? rows.at(row).drive : -1;
}

bool DrivePlaylist::isExpanded(int drive) const
{
    return drive >= 0 && drive < expanded.size() && expanded.at(drive);
}

void DrivePlaylist::setExpanded(int drive, bool on)
{
    if (drive < 0 || drive >= expanded.size() || expanded.at(drive) == on)
        return;
    const int groupRow = rowOfDrive(drive);
    const int count = summaries.at(drive).range.count;
    if (on)
        beginInsertRows(QModelIndex(), groupRow + 1, groupRow + count);
    else
        beginRemoveRows(QModelIndex(), groupRow + 1, groupRow + count);
    expanded[drive] = on;
    rebuild();
    if (on)
        endInsertRows();
    else
        endRemoveRows();
    emit dataChanged(index(groupRow, 0), index(groupRow, 0), {Qt::DisplayRole});
}

int DrivePlaylist::rowOfDrive(int drive) const
{
    for (int row = 0; row < rows.size(); ++row) {
        if (rows.at(row).source < 0 && rows.at(row).drive == drive)
            return row;
    }
    return -1;
}

int DrivePlaylist::rowOfSource(int sourceRow) const
{
    return sourceRow >= 0 && sourceRow < proxyOfSource.size() ? proxyOfSource.at(sourceRow) : -1;
}

int DrivePlaylist::sourceRowOf(int row) const
{
    return row >= 0 && row < rows.size() ? rows.at(row).source : -1;
}

QModelIndex DrivePlaylist::index(int row, int column, const QModelIndex &parent) const
{
    if (parent.isValid() || row < 0 || row >= rows.size() || column < 0 ||
        column >= columnCount())
        return QModelIndex();
    return createIndex(row, column);
}

QModelIndex DrivePlaylist::parent(const QModelIndex &) const
{
    return QModelIndex();
}

int DrivePlaylist::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : rows.size();
}

int DrivePlaylist::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() || !sourceModel() ? 0 : sourceModel()->columnCount();
}

QModelIndex DrivePlaylist::mapToSource(const QModelIndex &proxyIndex) const
{
    const int source = proxyIndex.isValid() ? sourceRowOf(proxyIndex.row()) : -1;
    return source < 0 ? QModelIndex() : sourceModel()->index(source, proxyIndex.column());
}

QModelIndex DrivePlaylist::mapFromSource(const QModelIndex &sourceIndex) const
{
    const int row = sourceIndex.isValid() ? rowOfSource(sourceIndex.row()) : -1;
    return row < 0 ? QModelIndex() : index(row, sourceIndex.column());
}

QVariant DrivePlaylist::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rows.size())
        return QVariant();
    const Row &row = rows.at(index.row());
    if (row.source >= 0)
        return sourceModel()->data(mapToSource(index), role);
    switch (role) {
    case Qt::DisplayRole:
        return driveText(row.drive, index.column());
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    case DriveRowRole:
        return true;
    default:
        return QVariant();
    }
}

Qt::ItemFlags DrivePlaylist::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (isDriveRow(index.row()))
        return Qt::ItemIsEnabled;
    return sourceModel()->flags(mapToSource(index));
}

QString DrivePlaylist::driveText(int drive, int column) const
{
    if (drive < 0 || drive >= summaries.size())
        return QString();
    const DriveReport::DriveSummary &d = summaries.at(drive);
    switch (column) {
    case PlaylistModel::ColumnFileName:
        return QStringLiteral("%1 %2 - %3")
            .arg(isExpanded(drive) ? QChar(0x25BE) : QChar(0x25B8))
            .arg(DriveTimes::dateTimeText(d.start), DriveTimes::clockText(d.end));
    case PlaylistModel::ColumnDuration:
        return QTime(0, 0)
            .addSecs(int(qBound<qint64>(0, d.start.secsTo(d.end), 86399)))
            .toString(QStringLiteral("HH:mm:ss"));
    case PlaylistModel::ColumnCreateDate:
        return mph ? tr("%1 mi").arg(d.figures.distanceMetres / 1000.0 / KmPerMile, 0, 'f', 1)
                   : tr("%1 km").arg(d.figures.distanceMetres / 1000.0, 0, 'f', 1);
    case PlaylistModel::ColumnSize:
        return mph ? tr("top %1 MPH").arg(qRound(d.figures.topKmh / KmPerMile))
                   : tr("top %1 km/h").arg(d.figures.topKmh);
    case PlaylistModel::ColumnResolution:
        return tr("Recordings: %1").arg(d.range.count);
    default:
        return QString();
    }
}
