#pragma once

#include "platform/framelesswindow.h"

#include <QAbstractNativeEventFilter>
#include <QDialog>
#include <QRect>
#include <QString>
#include <memory>
#include <optional>

class MainWindowsPrivate;
class MoveFilter;
class PlaylistModel;
class QKeyEvent;

namespace Ui {
class MainWindows;
}

// The player's only top-level window: a frameless dialog with its own title bar, the play
// area, control panel and playlist on the left, map, gauges and G-sensor chart on the right.
// It never uses the system's maximised state; changeMaximize() fills the available screen
// area itself, and the border resize of the frameless window goes through the platform's
// FramelessResizer, fed by nativeEventFilter().
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

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

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

    QString currentFileName;
    Ui::MainWindows *ui = nullptr;
    PlaylistModel *playlistModel = nullptr;
    QRect normalRect;
    int isNormal = 1;
    MainWindowsPrivate *d = nullptr;
    MoveFilter *mover = nullptr;
    EdgeRegion edgeRegion = EdgeNone;
    std::unique_ptr<FramelessResizer> resizer;
};
