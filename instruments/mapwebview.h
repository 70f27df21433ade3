#pragma once

#include "instruments/gpsuser.h"
#include "instruments/mappages.h"
#include "instruments/mappoint.h"
#include "settings/maptypes.h"

#include <QUrl>
#include <QWebEngineView>

// The map in the main window: one of the three local map pages, driven only through
// JavaScript statements (see MapPages for their text). Until a page has finished loading,
// points are dropped rather than queued; after each load the page is cleared, centred, and
// an OpenStreetMap page gets the playing recording's whole track again.
//
// Requests of a page for a new window land in a hidden child view, whose addresses are
// handed to the desktop's browser.
class MapWebView : public QWebEngineView
{
    Q_OBJECT

public:
    explicit MapWebView(QWidget *parent = nullptr);

    // The window's whole-track record (not owned), drawn again after a page reload.
    void setTrackCache(GPSUser *record);

public slots:
    void setMapType(MapTypes type);
    void addPoint(const MapPoint &point);
    void setCurrentPoint(const MapPoint &point);
    void clearAll();
    void setDefaultCenter();
    void mapLoadingFinish(bool);
    void loadAllGpsData(const QVector<QVector<double>> &allGpsData);
    // Kept and drawn again after each page load, until replaced.
    void setEventMarks(const QVector<MapPages::EventMark> &marks);

signals:
    // A click on the drawn track: the index of the nearest point of the track last given.
    void trackPointClicked(int index);

private slots:
    void onUrlChanged(QUrl url);

protected:
    QWebEngineView *createWindow(QWebEnginePage::WebWindowType type) override;

private:
    void run(const QString &statement);
    void setMapKeys(MapTypes type);

    QString savedCenterScript;
    bool trackSent = false;
    QWebEngineView *newWindowView = nullptr;
    bool mapReady = false;
    QVector<QVector<double>> wholeTrack;
    GPSUser *trackCache = nullptr;
    bool newWindowPending = false;
    quint64 trackCalls = 0;
    int waitingTrackCalls = 0;
    QVector<MapPages::EventMark> eventMarks;
};
