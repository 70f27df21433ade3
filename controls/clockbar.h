#pragma once

#include "library/cardclock.h"

#include <QWidget>
#include <memory>

namespace Ui {
class ClockBar;
}

// The line under the playlist that says how far the playing card's camera clock is from GPS
// time, and lets the user choose how that card's times are shown. It keeps no state beyond
// what it shows; the choice leaves as a signal and is remembered by whoever owns the card.
class ClockBar : public QWidget
{
    Q_OBJECT

public:
    explicit ClockBar(QWidget *parent = nullptr);
    ~ClockBar() override;

    // The card's offset in words; an unknown offset still allows UTC or camera time to
    // be chosen, but not local time from it.
    void setOffset(const ClockOffset &offset);
    // Shows `choice` without emitting choiceChanged.
    void setChoice(const ClockChoice &choice);
    // The offsets of all the card's recordings: when they disagree (the clock jumped), the
    // bar says so beside the playing recording's offset. Empty for none known.
    void setCardOffsets(const QList<ClockOffset> &offsets);
    ClockChoice choice() const;
    QString offsetText() const;

signals:
    void choiceChanged(const ClockChoice &choice);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void onUpdateLanguage();

private:
    void fillChoices();
    void emitChoice();
    // The offset line cut to the label's width with an ellipsis; whole in the tooltip.
    void elideOffsetText();

    std::unique_ptr<Ui::ClockBar> ui;
    ClockOffset offset;
    QString offsetWords;
    QList<ClockOffset> cardOffsets;
    bool filling = false;
};
