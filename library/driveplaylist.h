#pragma once

#include "library/drivereport.h"

#include <QAbstractProxyModel>
#include <QVector>

// The playlist with the card's drives as groups: before each drive's recordings a drive row
// (date, start and end time, duration, distance, top speed) that folds them away. Recording
// rows keep the playlist's columns and data; drive rows map to no source row. Until the
// drives are known (the card is read on a worker thread) it is the playlist as it is.
class DrivePlaylist : public QAbstractProxyModel
{
    Q_OBJECT

public:
    // True on a drive row's column 0, for views and tests.
    static constexpr int DriveRowRole = Qt::UserRole + 100;

    explicit DrivePlaylist(QObject *parent = nullptr);

    void setSourceModel(QAbstractItemModel *source) override;
    // Ranges index the source rows; rows outside every range stay ungrouped. New drives are
    // shown expanded.
    void setDrives(const QVector<DriveReport::DriveSummary> &drives);
    const QVector<DriveReport::DriveSummary> &drives() const { return summaries; }
    void setMph(bool mph);

    bool isDriveRow(int row) const;
    // The drive a row belongs to (a drive row or one of its recordings), or -1.
    int driveOfRow(int row) const;
    bool isExpanded(int drive) const;
    void setExpanded(int drive, bool expanded);
    // The row of a drive's group row, or -1.
    int rowOfDrive(int drive) const;
    // The proxy row of a source row; -1 while its drive is folded.
    int rowOfSource(int sourceRow) const;
    // The source row of a proxy row, -1 for a drive row.
    int sourceRowOf(int row) const;

    QModelIndex index(int row, int column, const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex mapToSource(const QModelIndex &proxyIndex) const override;
    QModelIndex mapFromSource(const QModelIndex &sourceIndex) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // The texts of a drive row, by column.
    QString driveText(int drive, int column) const;

private:
    struct Row
    {
        int source = -1; // -1: the group row of `drive`
        int drive = -1;
    };
    void rebuild();
    void onRowsInserted(const QModelIndex &parent, int first, int last);
    void onDataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                       const QVector<int> &roles);

    QVector<DriveReport::DriveSummary> summaries;
    QVector<bool> expanded;
    QVector<Row> rows;
    QVector<int> proxyOfSource; // -1 while folded
    bool mph = false;
};
