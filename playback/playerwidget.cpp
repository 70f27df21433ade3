#include "playback/playerwidget.h"

#include "platform/fileurl.h"
#include "playback/capturethread.h"

#include <QBoxLayout>
#include <QDebug>
#include <QKeyEvent>
#include <QMediaService>
#include <QPainter>
#include <QVideoWindowControl>
#include <QLabel>
#include <QMessageBox>
#include <QMetaEnum>
#include <QToolTip>

bool PlayerWidget::capturePending = false;

PlayerWidget::PlayerWidget(QWidget *parent) : QVideoWidget(parent)
{
    QPalette pal = palette();
    pal.setBrush(QPalette::All, QPalette::Window, QBrush(Qt::black));
    setPalette(pal);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setUpdatesEnabled(true);
    pausedRedraw.setSingleShot(true);
    pausedRedraw.setInterval(150);
    connect(&pausedRedraw, &QTimer::timeout, this, [this] {
        if (player && player->state() == QMediaPlayer::PausedState)
            player->setPosition(player->position());
    });
}

QMediaPlayer *PlayerWidget::mediaPlayer()
{
    if (player)
        return player.get();
    player = std::make_unique<QMediaPlayer>();
    player->setAudioRole(QAudio::VideoRole);
    player->setVideoOutput(this);
    connect(player.get(), &QMediaPlayer::stateChanged, this, &PlayerWidget::onStateChanged);
    connect(player.get(), QOverload<QMediaPlayer::Error>::of(&QMediaPlayer::error), this,
            &PlayerWidget::onError);
    emit mediaPlayerCreated(player.get());
    return player.get();
}

PlayerWidget::~PlayerWidget()
{
    // The worker's destructor stops a running ffmpeg and waits for the thread; no result
    // may reach this half-destroyed widget meanwhile.
    if (captureThread)
        captureThread->disconnect(this);
    captureThread.reset();
    if (player) {
        player->disconnect(this);
        player->setVideoOutput(static_cast<QVideoWidget *>(nullptr));
    }
}

void PlayerWidget::exitFullScreen()
{
    if (!isFullScreen())
        return;
    setWindowFlags(savedWindowFlags);
    showNormal();
}

bool PlayerWidget::screenshot(qint64 postion, QSize resolution, bool isOriginal)
{
    Q_UNUSED(resolution)
    Q_UNUSED(isOriginal)
    const QMediaPlayer::State state = player ? player->state() : QMediaPlayer::StoppedState;
    if (state != QMediaPlayer::PlayingState && state != QMediaPlayer::PausedState)
        return true;
    if (!captureThread) {
        captureThread = std::make_unique<CaptureThread>();
        connect(captureThread.get(), &CaptureThread::captureFinished, this,
                &PlayerWidget::onCaptureFinished);
    }
    const QUrl url = player->media().request().url();
    captureThread->addTask(FileUrl::toLocalPath(url.toString(QUrl::FullyEncoded)), postion);
    captureThread->start(QThread::InheritPriority);
    return true;
}

void PlayerWidget::onStateChanged(QMediaPlayer::State newState)
{
    // Updates stay on in every state. Qt's GStreamer back end either paints each frame in
    // this widget's paint handler (filling only the borders around it), or has a sink draw
    // into a native child window that stops filling itself once frames arrive; either way
    // nothing paints black over the picture, and turning updates off blanks the first.
    if (newState == QMediaPlayer::StoppedState)
        repaint();
}

void PlayerWidget::onError(QMediaPlayer::Error error)
{
    const QMetaObject &meta = QMediaPlayer::staticMetaObject;
    const QMetaEnum errors = meta.enumerator(meta.indexOfEnumerator("Error"));
    qDebug() << "onError"
             << QStringLiteral("QMediaPlayer::%1").arg(QLatin1String(errors.valueToKey(error)))
             << (player ? player->errorString() : QString());
}

void PlayerWidget::showProblem(const QString &text)
{
    if (!problemLabel) {
        problemLabel = new QLabel(this);
        problemLabel->setObjectName(QStringLiteral("lbl_Problem"));
        problemLabel->setAlignment(Qt::AlignCenter);
        problemLabel->setWordWrap(true);
        problemLabel->setMargin(16);
        problemLabel->setStyleSheet(
            QStringLiteral("QLabel#lbl_Problem{color: rgb(230, 230, 230); background: black;}"));
    }
    problemLabel->setText(text);
    problemLabel->setGeometry(rect());
    problemLabel->show();
    problemLabel->raise();
}

void PlayerWidget::clearProblem()
{
    if (problemLabel)
        problemLabel->hide();
}

QString PlayerWidget::problem() const
{
    return problemLabel && !problemLabel->isHidden() ? problemLabel->text() : QString();
}

void PlayerWidget::resizeEvent(QResizeEvent *event)
{
    QVideoWidget::resizeEvent(event);
    if (problemLabel)
        problemLabel->setGeometry(rect());
    resetZoom();
    redrawPausedFrame();
}

void PlayerWidget::redrawPausedFrame()
{
    // A sink drawing into a native child leaves a resized or moved window black while paused:
    // no frame comes and it does not redraw its last one. Seeking to where it stands renders
    // it again, once the geometry has settled.
    if (player && player->state() == QMediaPlayer::PausedState && sinkChild())
        pausedRedraw.start();
}

void PlayerWidget::onCaptureFinished(int result)
{
    if (!capturePending)
        return;
    capturePending = false;
    QWidget *anchorWidget = parentWidget() ? parentWidget() : this;
    const QPoint anchor = anchorWidget->mapToGlobal(QPoint(0, 0));
    if (result == 0) {
        QToolTip::showText(anchor, tr("Snapshot success"));
    } else if (result == -3) {
        // Not exec(): a nested event loop here would run inside a queued slot fed by the
        // worker, and further results would arrive underneath it.
        auto *box = new QMessageBox(QMessageBox::Warning, tr("Error"), tr("Directory not exist!"),
                                    QMessageBox::Ok);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->show();
    } else {
        QToolTip::showText(anchor, tr("Failed to capture"));
    }
}

void PlayerWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && pictureZoom.isZoomed()) {
        dragFrom = event->pos();
        dragging = true;
        setCursor(Qt::ClosedHandCursor);
        event->accept();
        return;
    }
    if (event->button() == Qt::MiddleButton && pictureZoom.isZoomed()) {
        resetZoom();
        event->accept();
        return;
    }
    QVideoWidget::mousePressEvent(event);
}

void PlayerWidget::mouseMoveEvent(QMouseEvent *event)
{
    if (!dragging)
        return QVideoWidget::mouseMoveEvent(event);
    pictureZoom.pan(event->pos() - dragFrom, size());
    dragFrom = event->pos();
    applyZoom();
    event->accept();
}

void PlayerWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (dragging && event->button() == Qt::LeftButton) {
        dragging = false;
        unsetCursor();
        event->accept();
        return;
    }
    QVideoWidget::mouseReleaseEvent(event);
}

void PlayerWidget::wheelEvent(QWheelEvent *event)
{
    const int delta = event->angleDelta().y();
    if (delta == 0)
        return QVideoWidget::wheelEvent(event);
    pictureZoom.zoomAt(event->position(), delta, size());
    applyZoom();
    event->accept();
}

void PlayerWidget::resetZoom()
{
    if (!pictureZoom.isZoomed())
        return;
    pictureZoom.reset();
    applyZoom();
}

// Qt's GStreamer back end shows the picture in one of three ways, and the zoom follows each:
// a sink drawing into a native child widget (that child is enlarged and shifted, the
// player's own native window clipping it), a sink drawing into the player's own window (its
// render rectangle is enlarged), or frames painted by this widget (painted into an image,
// of which the visible part is drawn scaled up).
QWidget *PlayerWidget::sinkChild() const
{
    // The sink's widget is the native one; the problem label is not.
    for (QWidget *child : findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child != problemLabel && !child->isWindow() && child->internalWinId() != 0)
            return child;
    }
    return nullptr;
}

QVideoWindowControl *PlayerWidget::sinkWindow() const
{
    QMediaService *service = player ? player->service() : nullptr;
    auto *window = service ? service->findChild<QVideoWindowControl *>() : nullptr;
    return window && internalWinId() != 0 && window->winId() == internalWinId() ? window
                                                                                 : nullptr;
}

void PlayerWidget::applyZoom()
{
    const QRect picture = pictureZoom.pictureRect(size()).toAlignedRect();
    QWidget *surface = sinkChild();
    auto *box = qobject_cast<QBoxLayout *>(layout());
    if (surface && box) {
        if (pictureZoom.isZoomed()) {
            // A native window of its own clips the enlarged child to this player.
            if (!testAttribute(Qt::WA_NativeWindow))
                setAttribute(Qt::WA_NativeWindow);
            box->removeWidget(surface);
            surface->setGeometry(picture);
        } else if (box->indexOf(surface) < 0) {
            box->addWidget(surface);
            surface->setGeometry(rect());
        }
        surface->repaint();
        redrawPausedFrame();
    } else if (QVideoWindowControl *window = sinkWindow()) {
        window->setDisplayRect(pictureZoom.isZoomed() ? picture : rect());
        window->repaint();
    }
    update();
}

void PlayerWidget::paintEvent(QPaintEvent *event)
{
    if (renderingForZoom || !pictureZoom.isZoomed() || sinkChild() || sinkWindow())
        return QVideoWidget::paintEvent(event);
    QImage frame(size() * devicePixelRatioF(), QImage::Format_RGB32);
    frame.setDevicePixelRatio(devicePixelRatioF());
    frame.fill(Qt::black);
    renderingForZoom = true;
    render(&frame);
    renderingForZoom = false;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF visible = pictureZoom.visibleRect(size());
    const qreal ratio = devicePixelRatioF();
    painter.drawImage(QRectF(rect()), frame,
                      QRectF(visible.topLeft() * ratio, visible.size() * ratio));
}


void PlayerWidget::moveEvent(QMoveEvent *event)
{
    QVideoWidget::moveEvent(event);
    if (pictureZoom.isZoomed())
        applyZoom();
}

void PlayerWidget::showEvent(QShowEvent *event)
{
    QVideoWidget::showEvent(event);
    if (pictureZoom.isZoomed())
        applyZoom();
}

void PlayerWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    const bool full = isFullScreen();
    emit fullScreen(!full);
    if (full) {
        setWindowFlags(savedWindowFlags);
        showNormal();
    } else {
        savedWindowFlags = windowFlags();
        setWindowFlags(Qt::Window);
        showFullScreen();
    }
    event->accept();
}

void PlayerWidget::toggleFullScreenProperty()
{
    const bool newState = !isFullScreen();
    qDebug() << "Key_Enter, setValue=" << newState;
    emit fullScreen(newState);
    setFullScreen(newState);
}

void PlayerWidget::keyPressEvent(QKeyEvent *event)
{
    qDebug() << "PlayerWidget::keyPressEvent" << event->key() << event->modifiers();
    const bool altEnter = event->key() == Qt::Key_Enter && (event->modifiers() & Qt::AltModifier);
    if (isFullScreen()) {
        switch (event->key()) {
        case Qt::Key_Space:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Period:
        case Qt::Key_Comma:
        case Qt::Key_I: // the clip export's marks
        case Qt::Key_O:
            emit keyPressSignals(event);
            break;
        case Qt::Key_0:
            resetZoom();
            event->accept();
            break;
        case Qt::Key_Escape:
            qDebug() << "Key_Escape, setValue=false";
            emit fullScreen(false);
            setFullScreen(false);
            event->accept();
            break;
        default:
            // Alt+Enter leaves full screen the way it entered; every other key is
            // swallowed so that it cannot reach the hidden main window.
            if (altEnter) {
                toggleFullScreenProperty();
                event->accept();
            }
            break;
        }
        return;
    }
    if (altEnter) {
        toggleFullScreenProperty();
        event->accept();
        return;
    }
    QVideoWidget::keyPressEvent(event);
}
