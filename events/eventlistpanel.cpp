#include "events/eventlistpanel.h"

#include "library/drivetimes.h"
#include "parser/speedunits.h"
#include "ui_eventlistpanel.h"

#include <QEvent>
#include <QPushButton>
#include <QTreeWidgetItem>

namespace {

// Item data: the event's index in the summary, -1 for a drive row.
constexpr int EventRole = Qt::UserRole;

} // namespace

EventListPanel::EventListPanel(QWidget *parent) : QWidget(parent), ui(new Ui::EventListPanel)
{
    ui->setupUi(this);
    connect(ui->tree_Events, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem *item) { onItemClicked(item); });
    connect(ui->pBtn_Thresholds, &QPushButton::clicked, this,
            &EventListPanel::thresholdsRequested);
    connect(ui->tree_Events, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem *item) { onItemClicked(item); });
}

EventListPanel::~EventListPanel()
{
    delete ui;
}

void EventListPanel::setAnalysing()
{
    analysing = true;
    hasCard = true;
    shown = CardSummary();
    fill();
}

void EventListPanel::setSummary(const CardSummary &summary)
{
    analysing = false;
    hasCard = true;
    shown = summary;
    fill();
}

void EventListPanel::setClockChoice(const ClockChoice &choice)
{
    if (choice == clockChoice)
        return;
    clockChoice = choice;
    fill();
}

QString EventListPanel::kindText(const DriveEvents::Event &event)
{
    switch (event.kind) {
    case DriveEvents::Kind::Impact:
        return tr("Impact");
    case DriveEvents::Kind::HardBraking:
        return tr("Hard braking");
    case DriveEvents::Kind::SuddenDeceleration:
        return tr("Sudden deceleration");
    case DriveEvents::Kind::SharpTurn:
        return tr("Sharp turn");
    case DriveEvents::Kind::HardAcceleration:
        return tr("Hard acceleration");
    case DriveEvents::Kind::Speeding:
        return tr("Speeding");
    case DriveEvents::Kind::CameraMark:
        // The camera's own word ("locked", "sentry_aware_object_detection") as it wrote it.
        return event.detail.isEmpty() ? tr("Marked by the camera")
                                      : tr("Marked by the camera: %1").arg(event.detail);
    }
    return QString();
}

QString EventListPanel::strengthText(const DriveEvents::Event &event, bool mph)
{
    switch (event.kind) {
    case DriveEvents::Kind::Speeding:
        if (mph)
            return tr("%1 MPH for %2 s")
                .arg(qRound(event.strength / KmPerMile))
                .arg(qRound(event.length));
        return tr("%1 km/h for %2 s").arg(qRound(event.strength)).arg(qRound(event.length));
    case DriveEvents::Kind::SuddenDeceleration:
        if (mph)
            return tr("%1 MPH per second").arg(qRound(event.strength / KmPerMile));
        return tr("%1 km/h per second").arg(qRound(event.strength));
    case DriveEvents::Kind::CameraMark:
        return QString();
    default:
        return tr("%1 g").arg(event.strength, 0, 'f', 2);
    }
}

QString EventListPanel::driveText(const DriveReport::DriveSummary &drive, bool mph)
{
    const QString duration =
        DriveTimes::durationText(double(drive.start.msecsTo(drive.end)) / 1000.0);
    if (mph)
        return tr("Drive of %1, %2 mi, top %3 MPH")
            .arg(duration)
            .arg(drive.figures.distanceMetres / 1000.0 / KmPerMile, 0, 'f', 1)
            .arg(qRound(drive.figures.topKmh / KmPerMile));
    return tr("Drive of %1, %2 km, top %3 km/h")
        .arg(duration)
        .arg(drive.figures.distanceMetres / 1000.0, 0, 'f', 1)
        .arg(drive.figures.topKmh);
}

void EventListPanel::setMph(bool on)
{
    if (mph == on)
        return;
    mph = on;
    fill();
}

void EventListPanel::fill()
{
    QTreeWidget *tree = ui->tree_Events;
    tree->clear();
    if (!hasCard)
        ui->lbl_Status->setText(tr("No card opened"));
    else if (analysing)
        ui->lbl_Status->setText(tr("Looking for events..."));
    else
        ui->lbl_Status->setText(
            tr("Events: %1, drives: %2").arg(shown.events.size()).arg(shown.drives.size()));
    for (const DriveReport::DriveSummary &drive : qAsConst(shown.drives)) {
        auto *driveItem = new QTreeWidgetItem(tree);
        if (drive.cameraStart.isValid() && drive.cameraEnd.isValid()) {
            driveItem->setText(
                0, DriveTimes::shownText(drive.cameraStart, drive.startOffset, clockChoice) +
                       QStringLiteral(" - ") +
                       DriveTimes::shownClockText(drive.cameraEnd, drive.endOffset, clockChoice));
            driveItem->setToolTip(0, DriveTimes::cameraTip(drive.cameraStart, drive.startOffset));
        } else {
            driveItem->setText(0, DriveTimes::dateTimeText(drive.start) + QStringLiteral(" - ") +
                                      DriveTimes::clockText(drive.end));
        }
        driveItem->setText(1, driveText(drive, mph));
        driveItem->setText(2, mph ? tr("average %1 MPH")
                                        .arg(qRound(drive.figures.averageKmh / KmPerMile))
                                  : tr("average %1 km/h").arg(qRound(drive.figures.averageKmh)));
        driveItem->setText(3, tr("Recordings: %1").arg(drive.range.count));
        driveItem->setData(0, EventRole, -1);
        for (int e = 0; e < shown.events.size(); ++e) {
            const DriveEvents::Event &event = shown.events.at(e);
            if (event.recording < drive.range.first ||
                event.recording >= drive.range.first + drive.range.count)
                continue;
            auto *item = new QTreeWidgetItem(driveItem);
            const QDateTime cameraTime =
                DriveReport::cameraTimeOf(shown.clocks, event.recording, event.second);
            const ClockOffset offset = shown.clocks.value(event.recording).offset;
            if (cameraTime.isValid()) {
                item->setText(0, DriveTimes::shownClockText(cameraTime, offset, clockChoice));
                item->setToolTip(0, DriveTimes::cameraTip(cameraTime, offset));
            } else {
                item->setText(0, event.time.isValid()
                                     ? DriveTimes::clockText(event.time)
                                     : QStringLiteral("%1 %2").arg(
                                           shown.fileNames.value(event.recording),
                                           DriveTimes::durationText(event.second)));
            }
            item->setText(1, kindText(event));
            item->setText(2, strengthText(event, mph));
            if (event.hasPosition)
                item->setText(3, QStringLiteral("%1, %2")
                                     .arg(event.latitude, 0, 'f', 5)
                                     .arg(event.longitude, 0, 'f', 5));
            item->setData(0, EventRole, e);
        }
    }
    tree->expandAll();
    for (int c = 0; c < tree->columnCount(); ++c)
        tree->resizeColumnToContents(c);
}

void EventListPanel::onItemClicked(QTreeWidgetItem *item)
{
    if (!item)
        return;
    const int e = item->data(0, EventRole).toInt();
    if (e < 0 || e >= shown.events.size())
        return;
    const DriveEvents::Event &event = shown.events.at(e);
    emit seekRequested(event.recording, qMax(0, int(event.second) - LeadSeconds));
}

void EventListPanel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        fill();
    }
    QWidget::changeEvent(event);
}
