#pragma once

#include "instruments/gpsuser.h"
#include "parser/gpsdata.h"
#include "platform/framelesswindow.h"

#include <QAbstractNativeEventFilter>
#include <QDialog>
#include <QList>
#include <QMediaPlayer>
#include <QModelIndex>
#include <QRect>
#include <QString>
#include <memory>
#include <optional>

class CardAnalysis;
struct CardSummary;
class ClockCoordinator;
class ClipExportFlow;
class MainWindowsPrivate;
class MoveFilter;
class PlaylistModel;
class UsbDiskBar;
class QKeyEvent;
class QTimer;
struct PlaylistItem;

namespace Ui {
class MainWindows;
}

// The player's only top-level window: a frameless dialog with its own title bar, the play
// area, control panel and playlist on the left, map, gauges and G-sensor chart on the right.
// It never uses the system's maximised state; changeMaximize() fills the available screen
// area itself, and the border resize of the frameless window goes through the platform's
// FramelessResizer, fed by nativeEventFilter().
// The shell (form, title bar, geometry, fonts, keys) is implemented in mainwindows.cpp, the
// coordination of playback and instruments (the public slots) in playbackcoordination.cpp.
class MainWindows : public QDialog, public QAbstractNativeEventFilter
{
    Q_OBJECT

public:
    explicit MainWindows(QWidget *parent = nullptr);
    ~MainWindows() override;

    bool nativeEventFilter(const QByteArray &eventType, void *message, long *result) override;

    void setTitleText(const QString &text);
    void setFileNameText(const QString &text);

    // The font sizes of setSystemFontSize() for a given DPI factor (logical DPI / 96);
    // nothing means no screen was found.
    void applySystemFontSize(std::optional<qreal> dpiFactor);

    // Starts the recording of a playlist row: channels set up, media loaded, whole track
    // requested; playback begins once the track has been parsed.
    void playRecording(PlaylistItem *item);
    // An open that yielded no row: stop and clear what the last recording left.
    void resetAfterEmptyOpen();
    // Says in the play area that opening `folder` found nothing, or that it does not exist.
    void showEmptyOpen(const QString &folder, bool missing);
    // The control panel's media state.
    QMediaPlayer::State mediaState() const;
    // Opens a folder as "Open Folder" does, but without remembering it for the dialog.
    void openFolder(const QString &localPath);
    // The strip that offers a USB disk mounted while the player runs.
    UsbDiskBar *usbDiskBar() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

public slots:
    void openFile();
    void onDropFile(QString filePath, int s32Index);
    void onStop();
    void playClicked();
    void previousClicked();
    void nextClicked();
    void durationChanged(qlonglong duration);
    void positionChanged(qlonglong second, int rowId);
    void onTableDoubleClicked(QModelIndex index);
    void onGpsDataChanged(int rowId, GpsData data);
    void onAllGpsDataParserFinished(int id, QList<GpsData> dataList);
    void onFrontView(bool checked);
    void onRearView(bool checked);
    void onThirdView(bool checked);
    void onFourthView(bool checked);
    void onAllView(bool checked);
    // A click on the map's track: that point's recording plays from that point's second.
    void onTrackPointClicked(int index);
    // A moment chosen in the event list: its recording from `second` on, on every channel.
    void onEventSeekRequested(int row, int second);
    // Whether this machine can play row `id` smoothly; warns and returns false when not.
    bool isSuportH264orH265(int id);

private slots:
    void onUpdateLanguage();
    void on_pBtn_Step_clicked();
    void on_pBtn_Minimize_clicked();
    void on_pBtn_Maximize_clicked();
    void changeMaximize(bool bIsFirst);
    void on_pBtn_Close_clicked();
    void onKeyPressEvent(QKeyEvent *e);
    void onFullScreenChanged(bool fullScreen);
    void setSystemFontSize();

private:
    void setUpPlaylistTable();
    void restoreGeometry();
    void updateMaximizeButton();
    void connectPlayback();
    void selectRow(int row);
    // Plays row `item` from `second`: a seek when it already plays, else once it has started.
    void playFrom(PlaylistItem *item, int second);
    // Drives and events: read again whenever the playlist's rows change.
    void setUpEventList();
    void startCardAnalysis();
    void onCardAnalysed(const CardSummary &summary);
    // The ticks on the seek bar and the markers on the map for the recording of `row`.
    void showEventsOf(int row);
    // The row of the recording in the play area, -1 when there is none.
    int currentRowId() const;
    // Straight through a drive: the recording after `rowId` is loaded ahead while `rowId`
    // plays, when the card's drives say that it follows; then the window follows it.
    void preloadFollowing(int rowId, qint64 second);
    void onAdvanced(PlaylistItem *item);

    QString currentFileName;
    // The whole track of the recording that plays, lent to the map view.
    std::unique_ptr<GPSUser> trackRecord = std::make_unique<GPSUser>();
    // The second a map click asked for, applied once that row's recording starts.
    struct PendingSeek
    {
        int row = -1;
        int second = 0;
    };
    std::optional<PendingSeek> pendingSeek;
    // The row whose track is being read again with another GPS track file: its track only
    // redraws the instruments, playback goes on as it was.
    int retrackedRow = -1;
    // The row that took over from a preload: it plays already when its track arrives.
    int continuedRow = -1;
    // The playing card's camera clock; the last record shown, to show again in another time.
    ClockCoordinator *clockCoordinator = nullptr;
    std::optional<GpsData> shownRecord;
    Ui::MainWindows *ui = nullptr;
    PlaylistModel *playlistModel = nullptr;
    ClipExportFlow *clipExport = nullptr; // child of the window
    QRect normalRect;
    int isNormal = 1;
    MainWindowsPrivate *d = nullptr;
    bool nextBusy = false;
    bool previousBusy = false;
    MoveFilter *mover = nullptr;
    EdgeRegion edgeRegion = EdgeNone;
    std::unique_ptr<FramelessResizer> resizer;
    CardAnalysis *cardAnalysis = nullptr;
    QTimer *analysisDelay = nullptr;
};
