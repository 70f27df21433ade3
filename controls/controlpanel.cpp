#include "controls/controlpanel.h"

#include "controls/rangemarks.h"
#include "controls/seekmarks.h"
#include "parser/speedunits.h"
#include "settings/configuration.h"
#include "ui_controlpanel.h"

#include <QAudio>
#include <QContextMenuEvent>
#include <QDebug>
#include <QMenu>
#include <QMouseEvent>

namespace {

const int kSamePositionIntervalMs = 2600;
// Timer ticks without a position update after which playback counts as stalled.
const int kStalledTicks = 2;
const char *const kDateTimeFormat = "yyyy/MM/dd hh:mm:ss";
// The seek slider's handle margins as the style draws them; a click on the groove maps to
// a position between these.
const int kSeekLeftInset = 6;
const int kSeekWidthInset = 22;

// The volume slider moves on a logarithmic scale so that its lower half is usable; the
// players and the settings take linear volumes.
int sliderToLinear(int sliderValue)
{
    return qRound(QAudio::convertVolume(sliderValue / qreal(100), QAudio::LogarithmicVolumeScale,
                                        QAudio::LinearVolumeScale) *
                  100);
}

int linearToSlider(int volume)
{
    return qRound(QAudio::convertVolume(volume / qreal(100), QAudio::LinearVolumeScale,
                                        QAudio::LogarithmicVolumeScale) *
                  100);
}

// Calibri, or a face of about its width: the labels are sized for it, and Linux's usual
// stand-in for an unknown family is a much wider one that clips the texts.
QFont labelFont(int pointSize)
{
    QFont font(QStringLiteral("Calibri"), pointSize);
    font.setFamilies({QStringLiteral("Calibri"), QStringLiteral("Carlito"),
                      QStringLiteral("DejaVu Sans Condensed"),
                      QStringLiteral("Liberation Sans Narrow"),
                      QStringLiteral("Nimbus Sans Narrow")});
    return font;
}

} // namespace

int ControlPanel::zeroLengthCount = 0;

ControlPanel::ControlPanel(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::ControlPanel>())
{
    ui->setupUi(this);
    ui->hSlider_Seek->installEventFilter(this);
    seekMarks = new SeekMarks(ui->hSlider_Seek, kSeekLeftInset, kSeekWidthInset);
    seekMarks->hide();
    marks = new RangeMarks(ui->hSlider_Seek);
    ui->btn_PlayOrPause->setEnabled(false);
    // Nothing plays yet, so there is nothing to stop.
    ui->btn_Stop->setEnabled(false);

    const QFont infoFont = labelFont(11);
    ui->lbl_GpsDateTime->setFont(infoFont);
    ui->lbl_LongitudeAndLatitude->setFont(infoFont);
    ui->pBtn_SP->setFont(infoFont);
    ui->lbl_PlayTime->setFont(labelFont(12));
    setSpeed(0);

    connectControls();

    ui->fcbox_Rate->addItem(QStringLiteral("0.5x"), 0.5);
    ui->fcbox_Rate->addItem(QStringLiteral("1.0x"), 1.0);
    ui->fcbox_Rate->addItem(QStringLiteral("2.0x"), 2.0);
    ui->fcbox_Rate->setCurrentIndex(1);
    // Connected only now, so that selecting the initial rate announces no rate change.
    connect(ui->fcbox_Rate, &FComboBox::activated, this, &ControlPanel::updateRate);

    connect(Configuration::instance(), &Configuration::updateLanguage, this,
            &ControlPanel::onUpdateLanguage);
    samePosTimer.setInterval(kSamePositionIntervalMs);
    connect(&samePosTimer, &QTimer::timeout, this, &ControlPanel::checkSamePosPlay);
}

ControlPanel::~ControlPanel() = default;

void ControlPanel::connectControls()
{
    connect(ui->btn_OpenFile, &QPushButton::clicked, this, &ControlPanel::openFile);
    connect(ui->btn_ScreenShot, &QPushButton::clicked, this, &ControlPanel::screenshot);
    connect(ui->btn_PlayOrPause, &QPushButton::clicked, this, &ControlPanel::playClicked);
    connect(ui->btn_Stop, &QPushButton::clicked, this, &ControlPanel::stop);
    connect(ui->btn_Next, &QPushButton::clicked, this, &ControlPanel::next);
    connect(ui->btn_Previous, &QPushButton::clicked, this, &ControlPanel::previous);
    connect(ui->tBtn_Mute, &QToolButton::clicked, this, &ControlPanel::muteClicked);

    connect(ui->btn_Front, &QPushButton::clicked, this, &ControlPanel::frontView);
    connect(ui->btn_Rear, &QPushButton::clicked, this, &ControlPanel::rearView);
    connect(ui->btn_3td, &QPushButton::clicked, this, &ControlPanel::thirdView);
    connect(ui->btn_4th, &QPushButton::clicked, this, &ControlPanel::fourthView);
    connect(ui->btn_All, &QPushButton::clicked, this, &ControlPanel::allView);

    connect(ui->hSlider_Volume, &QSlider::valueChanged, this,
            &ControlPanel::onVolumeSliderValueChanged);
    connect(ui->hSlider_Seek, &QSlider::valueChanged, this, &ControlPanel::onSliderValueChanged);
    connect(ui->hSlider_Seek, &QSlider::sliderMoved, this, &ControlPanel::sliderMoved);
    connect(ui->hSlider_Seek, &QSlider::sliderReleased, this, &ControlPanel::onSliderStatusProcess);
}

QString ControlPanel::clockText(qint64 seconds)
{
    seconds = qMax<qint64>(0, seconds);
    const QChar zero(QLatin1Char('0'));
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600, 2, 10, zero)
        .arg((seconds / 60) % 60, 2, 10, zero)
        .arg(seconds % 60, 2, 10, zero);
}

void ControlPanel::reset()
{
    ui->lbl_LongitudeAndLatitude->setText(
        QStringLiteral("%1,%2").arg(QStringLiteral("00.000000"), QStringLiteral("000.000000")));
    ui->lbl_GpsDateTime->setText(
        QDateTime::currentDateTime().toString(QLatin1String(kDateTimeFormat)));
    ui->lbl_GpsDateTime->setToolTip(QString());
    setSpeed(0);
    setCurrentTime(0);
}

void ControlPanel::setDuration(int seconds)
{
    duration = qMax(0, seconds);
    ui->hSlider_Seek->setMaximum(duration);
}

void ControlPanel::setCurrentTime(qint64 seconds)
{
    if (playerState == QMediaPlayer::StoppedState && seconds > 0)
        return;
    samePosCount = 0;
    currentPosition = seconds;
    if (!ui->hSlider_Seek->isSliderDown())
        ui->hSlider_Seek->setValue(int(qBound<qint64>(0, seconds, duration)));

    QString text = QStringLiteral("00:00:00/00:00:00");
    bool playNext = false;
    if (seconds > 0 || duration != 0) {
        text = clockText(seconds) + QLatin1Char('/') + clockText(duration);
        playNext = duration != 0 && seconds == duration;
    } else if (playerState == QMediaPlayer::PlayingState && zeroLengthCount >= 1) {
        // A recording without length: the second update while playing moves on.
        playNext = true;
        zeroLengthCount = 0;
    } else {
        ++zeroLengthCount;
    }
    // The text goes up before next() is announced: the next recording resets the panel
    // from within that signal, and this update must not overwrite the reset.
    ui->lbl_PlayTime->setText(text);
    shownPosition = seconds;
    if (playNext)
        emit next();
}

void ControlPanel::stopAndReset()
{
    emit stop();
    setCurrentTime(0);
}

void ControlPanel::nextIfStopped()
{
    if (playerState == QMediaPlayer::StoppedState)
        emit next();
}

void ControlPanel::setGpsDateTime(const QDateTime &dateTime)
{
    ui->lbl_GpsDateTime->setText(dateTime.toString(QLatin1String(kDateTimeFormat)));
}

namespace {
constexpr int kDateLabelWidth = 142;
} // namespace

void ControlPanel::setShownDateTime(const QString &text, const QString &toolTip)
{
    QLabel *label = ui->lbl_GpsDateTime;
    label->setText(text);
    label->setToolTip(toolTip);
    // The form's minimum width fits the bare date; a zone name after it must not be cut.
    label->setMinimumWidth(
        qMax(kDateLabelWidth, label->fontMetrics().horizontalAdvance(text) + 12));
}

void ControlPanel::setLongitudeLatitude(const QString &latitudeText, const QString &longitudeText)
{
    ui->lbl_LongitudeAndLatitude->setText(QStringLiteral("%1,%2").arg(latitudeText, longitudeText));
}

void ControlPanel::setSpeed(int kmh)
{
    const QChar zero(QLatin1Char('0'));
    if (Configuration::instance()->speedUnit() == 0)
        ui->pBtn_SP->setText(tr("%1 km/h").arg(kmh, 3, 10, zero));
    else
        ui->pBtn_SP->setText(tr("%1 MPH").arg(int(kmh / KmPerMile), 3, 10, zero));
    update();
}

void ControlPanel::step(int delta)
{
    if (playerState == QMediaPlayer::StoppedState)
        return;
    const int target = ui->hSlider_Seek->sliderPosition() + delta;
    if (target >= 0 && target <= ui->hSlider_Seek->maximum())
        emit sliderMoved(target);
}

void ControlPanel::setPlayEnabled(bool enabled)
{
    ui->btn_PlayOrPause->setEnabled(enabled);
}

void ControlPanel::setTimeFont(const QFont &font)
{
    ui->lbl_PlayTime->setFont(font);
}

void ControlPanel::disableBtn(bool front, bool rear, bool third, bool fourth, bool all)
{
    qDebug() << "disableBtn" << front << rear << third << fourth << all;
    ui->btn_Front->setEnabled(front);
    ui->btn_Rear->setEnabled(rear);
    ui->btn_3td->setEnabled(third);
    ui->btn_4th->setEnabled(fourth);
    ui->btn_All->setEnabled(all);
    ui->btn_PlayOrPause->setEnabled(true);
}

void ControlPanel::setState(QMediaPlayer::State state)
{
    if (state == playerState)
        return;
    playerState = state;
    switch (state) {
    case QMediaPlayer::PlayingState:
        ui->btn_Stop->setEnabled(true);
        ui->btn_PlayOrPause->setChecked(true);
        currentPosition = 0;
        shownPosition = 0;
        samePosCount = 0;
        if (!samePosTimer.isActive())
            samePosTimer.start();
        break;
    case QMediaPlayer::StoppedState:
        ui->btn_Stop->setEnabled(false);
        ui->btn_PlayOrPause->setChecked(false);
        samePosTimer.stop();
        break;
    case QMediaPlayer::PausedState:
        ui->btn_Stop->setEnabled(true);
        ui->btn_PlayOrPause->setChecked(false);
        samePosTimer.stop();
        break;
    }
    ui->btn_PlayOrPause->repaint();
}

void ControlPanel::playClicked()
{
    if (playerState == QMediaPlayer::StoppedState || playerState == QMediaPlayer::PausedState)
        emit play();
    else if (playerState == QMediaPlayer::PlayingState)
        emit pause();
    // The click toggled the button already; when the request changed no state (nothing to
    // play), it must not keep showing the pause image.
    ui->btn_PlayOrPause->setChecked(playerState == QMediaPlayer::PlayingState);
}

void ControlPanel::checkSamePosPlay()
{
    if (playerState != QMediaPlayer::PlayingState || currentPosition != shownPosition)
        return;
    if (++samePosCount < kStalledTicks)
        return;
    qDebug() << "***Playnext 4!";
    samePosCount = 0;
    emit next();
    qDebug() << "***Playnext 4 end!";
}

void ControlPanel::onShowModeChanged(ShowMode mode)
{
    switch (mode) {
    case ShowFront:
        ui->btn_Front->setChecked(true);
        break;
    case ShowRear:
        ui->btn_Rear->setChecked(true);
        break;
    case ShowThird:
        ui->btn_3td->setChecked(true);
        break;
    case ShowFourth:
        ui->btn_4th->setChecked(true);
        break;
    default:
        ui->btn_All->setChecked(true);
        break;
    }
}

void ControlPanel::setEventMarks(const QVector<int> &seconds)
{
    seekMarks->setSeconds(seconds);
}

bool ControlPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->hSlider_Seek) {
        // The wheel would move the handle without seeking, and the next position update
        // would snap it back.
        if (event->type() == QEvent::Wheel)
            return true;
        if (event->type() == QEvent::ContextMenu) {
            showSliderMenu(static_cast<QContextMenuEvent *>(event)->globalPos());
            return true;
        }
        if (event->type() == QEvent::MouseButtonPress) {
            if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
                ui->hSlider_Seek->setSliderDown(true);
        } else if (event->type() == QEvent::MouseButtonRelease) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::LeftButton)
                seekSliderReleased(mouse->pos().x());
        }
    }
    // The slider's own handling still runs.
    return QWidget::eventFilter(watched, event);
}

void ControlPanel::setExportMarks(int inSecond, int outSecond)
{
    marks->setMarks(inSecond, outSecond);
}

int ControlPanel::sliderPosition() const
{
    return ui->hSlider_Seek->sliderPosition();
}

void ControlPanel::showSliderMenu(const QPoint &globalPosition)
{
    QMenu menu(this);
    menu.addAction(tr("Mark in") + QStringLiteral("\tI"), this, &ControlPanel::markIn);
    menu.addAction(tr("Mark out") + QStringLiteral("\tO"), this, &ControlPanel::markOut);
    QAction *marked = menu.addAction(tr("Export marked range..."), this, &ControlPanel::exportMarked);
    marked->setEnabled(marks->inMark() >= 0 || marks->outMark() >= 0);
    menu.addAction(tr("Export around now..."), this, &ControlPanel::exportAroundNow);
    menu.addSeparator();
    menu.addAction(tr("Clear marks"), this, &ControlPanel::clearMarks);
    for (QAction *action : menu.actions())
        action->setEnabled(action->isEnabled() && playerState != QMediaPlayer::StoppedState);
    menu.exec(globalPosition);
}

void ControlPanel::seekSliderReleased(int x)
{
    QSlider *slider = ui->hSlider_Seek;
    qint64 value = 0;
    if (playerState != QMediaPlayer::StoppedState) {
        const qint64 span = slider->width() - kSeekWidthInset;
        const qint64 range = qint64(slider->maximum()) - slider->minimum();
        // A slider squeezed narrower than its insets has no groove to map onto.
        value =
            span > 0 ? slider->minimum() + (x - kSeekLeftInset) * range / span : slider->minimum();
        value = qBound<qint64>(slider->minimum(), value, slider->maximum());
    }
    if (value != slider->sliderPosition())
        slider->setValue(int(value));
    slider->setSliderDown(false);
    if (playerState == QMediaPlayer::PausedState)
        emit play();
}

void ControlPanel::onSliderStatusProcess()
{
    emit sliderStatusChanged(ui->hSlider_Seek->isSliderDown(), ui->hSlider_Seek->sliderPosition());
}

void ControlPanel::onSliderValueChanged(int value)
{
    Q_UNUSED(value)
}

void ControlPanel::onVolumeSliderValueChanged()
{
    const int v = sliderToLinear(ui->hSlider_Volume->value());
    if (v != 0) {
        volume = v;
        setMuted(false);
    } else if (!muted) {
        volume = 0;
        setMuted(true);
    }
    qDebug() << "cur-volome" << volume;
    emit changeVolume(v);
}

void ControlPanel::setMuted(bool muted)
{
    qDebug() << "setMuted: " << muted << volume << this->muted;
    if (muted != this->muted) {
        this->muted = muted;
        updateMuteToolTip();
        emit changeMuting(muted);
    }
    ui->hSlider_Volume->setValue(linearToSlider(muted ? 0 : volume));
    ui->tBtn_Mute->setChecked(muted);
}

void ControlPanel::muteClicked()
{
    muted = !muted;
    updateMuteToolTip();
    emit changeMuting(muted);
}

void ControlPanel::updateMuteToolTip()
{
    ui->tBtn_Mute->setToolTip(muted ? tr("Cancel Mute") : tr("Set Mute"));
}

void ControlPanel::setVolume(int volume)
{
    ui->hSlider_Volume->setValue(linearToSlider(volume));
}

void ControlPanel::setCurrVolume(int volume)
{
    this->volume = volume;
}

void ControlPanel::updateRate()
{
    emit changeRate(ui->fcbox_Rate->itemData(ui->fcbox_Rate->currentIndex()).toDouble());
}

void ControlPanel::setPlaybackRate(float rate)
{
    for (int i = 0; i < ui->fcbox_Rate->count(); ++i) {
        if (qFuzzyCompare(ui->fcbox_Rate->itemData(i).toDouble(), double(rate))) {
            ui->fcbox_Rate->setCurrentIndex(i);
            return;
        }
    }
}

void ControlPanel::onUpdateLanguage()
{
    ui->retranslateUi(this);
}
