#include "controls/clockbar.h"

#include "settings/configuration.h"
#include "ui_clockbar.h"

#include <QEvent>
#include <QTimeZone>

namespace {

// The zone offered first: the machine's own, which is where most cards are watched.
QByteArray systemZone()
{
    return QTimeZone::systemTimeZoneId();
}

} // namespace

ClockBar::ClockBar(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::ClockBar>())
{
    ui->setupUi(this);
    const QList<QByteArray> zones = QTimeZone::availableTimeZoneIds();
    for (const QByteArray &id : zones)
        ui->cBox_ClockZone->addItem(QString::fromLatin1(id), id);
    const int own = ui->cBox_ClockZone->findData(systemZone());
    ui->cBox_ClockZone->setCurrentIndex(own >= 0 ? own : 0);
    ui->cBox_ClockZone->setVisible(false);
    ui->lbl_ClockOffset->installEventFilter(this);
    fillChoices();
    setOffset(ClockOffset());
    connect(ui->cBox_ClockShow, QOverload<int>::of(&QComboBox::activated), this,
            &ClockBar::emitChoice);
    connect(ui->cBox_ClockZone, QOverload<int>::of(&QComboBox::activated), this,
            &ClockBar::emitChoice);
    connect(Configuration::instance(), &Configuration::updateLanguage, this,
            &ClockBar::onUpdateLanguage);
}

ClockBar::~ClockBar() = default;

void ClockBar::fillChoices()
{
    const int current = ui->cBox_ClockShow->currentIndex();
    filling = true;
    ui->cBox_ClockShow->clear();
    ui->cBox_ClockShow->addItem(tr("Local time at the place"),
                                int(ClockChoice::Display::LocalFromOffset));
    ui->cBox_ClockShow->addItem(tr("Local time in a time zone"),
                                int(ClockChoice::Display::LocalZone));
    ui->cBox_ClockShow->addItem(tr("UTC"), int(ClockChoice::Display::Utc));
    ui->cBox_ClockShow->addItem(tr("Camera's clock"), int(ClockChoice::Display::Camera));
    ui->cBox_ClockShow->setCurrentIndex(qMax(0, current));
    filling = false;
}

void ClockBar::setOffset(const ClockOffset &cardOffset)
{
    offset = cardOffset;
    offsetWords = CardClock::describe(offset);
    qint64 least = 0, most = 0;
    const bool disagree = CardClock::offsetsDisagree(cardOffsets, &least, &most);
    if (disagree)
        offsetWords += QLatin1Char(' ') +
                       tr("(the clock jumped: this card's recordings differ, from %1 to %2)")
                           .arg(CardClock::signedText(least), CardClock::signedText(most));
    elideOffsetText();
    QString tip = offsetWords;
    if (offset.isKnown())
        tip += QLatin1Char('\n') +
               tr("Camera's clock less GPS time: %1 (time zone part %2, drift %3 s)")
                   .arg(CardClock::signedText(offset.seconds),
                        CardClock::signedText(offset.zoneSeconds()).left(6))
                   .arg(offset.driftSeconds());
    if (disagree)
        tip += QLatin1Char('\n') +
               tr("Each recording's times are corrected by its own offset.");
    ui->lbl_ClockOffset->setToolTip(tip);
}

void ClockBar::setCardOffsets(const QList<ClockOffset> &offsets)
{
    cardOffsets = offsets;
    setOffset(offset);
}

void ClockBar::setChoice(const ClockChoice &choice)
{
    filling = true;
    const int index = ui->cBox_ClockShow->findData(int(choice.display));
    ui->cBox_ClockShow->setCurrentIndex(qMax(0, index));
    if (choice.display == ClockChoice::Display::LocalZone) {
        const int zone = ui->cBox_ClockZone->findData(choice.zone);
        if (zone >= 0)
            ui->cBox_ClockZone->setCurrentIndex(zone);
    }
    ui->cBox_ClockZone->setVisible(choice.display == ClockChoice::Display::LocalZone);
    filling = false;
}

ClockChoice ClockBar::choice() const
{
    ClockChoice choice;
    choice.display = ClockChoice::Display(ui->cBox_ClockShow->currentData().toInt());
    if (choice.display == ClockChoice::Display::LocalZone)
        choice.zone = ui->cBox_ClockZone->currentData().toByteArray();
    return choice;
}

QString ClockBar::offsetText() const
{
    return offsetWords;
}

bool ClockBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->lbl_ClockOffset && event->type() == QEvent::Resize)
        elideOffsetText();
    return QWidget::eventFilter(watched, event);
}

void ClockBar::elideOffsetText()
{
    QLabel *label = ui->lbl_ClockOffset;
    label->setText(label->fontMetrics().elidedText(offsetWords, Qt::ElideRight, label->width()));
}

void ClockBar::emitChoice()
{
    if (filling)
        return;
    const ClockChoice chosen = choice();
    ui->cBox_ClockZone->setVisible(chosen.display == ClockChoice::Display::LocalZone);
    emit choiceChanged(chosen);
}

void ClockBar::onUpdateLanguage()
{
    ui->retranslateUi(this);
    fillChoices();
    setOffset(offset);
}
