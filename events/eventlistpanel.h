#pragma once

#include "events/cardanalysis.h"

#include <QWidget>

class QTreeWidgetItem;

namespace Ui {
class EventListPanel;
}

// The card's drives, each with its figures, expanding to the moments found in it. A click on
// a moment asks for its recording a little before it, so the lead-up is seen too.
class EventListPanel : public QWidget
{
    Q_OBJECT

public:
    // Seconds played before a chosen moment.
    static constexpr int LeadSeconds = 5;

    explicit EventListPanel(QWidget *parent = nullptr);
    ~EventListPanel() override;

    // While a card is read: the list is emptied and says so.
    void setAnalysing();
    void setSummary(const CardSummary &summary);
    const CardSummary &summary() const { return shown; }
    // Speeds and distances in miles, as the speed unit setting asks.
    void setMph(bool mph);
    // How the card's times are shown (the clock bar's choice); the list is filled again.
    void setClockChoice(const ClockChoice &choice);

    // The texts of a list row, for the list and its tests.
    static QString kindText(const DriveEvents::Event &event);
    static QString strengthText(const DriveEvents::Event &event, bool mph = false);
    static QString driveText(const DriveReport::DriveSummary &drive, bool mph = false);

signals:
    // Row of the recording, and the second to start from.
    void seekRequested(int row, int second);
    // The user asks to change what counts as an event.
    void thresholdsRequested();

protected:
    void changeEvent(QEvent *event) override;

private:
    void onItemClicked(QTreeWidgetItem *item);
    void fill();

    Ui::EventListPanel *ui = nullptr;
    CardSummary shown;
    ClockChoice clockChoice;
    bool analysing = false;
    bool hasCard = false;
    bool mph = false;
};
