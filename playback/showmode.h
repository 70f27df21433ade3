#pragma once

#include <QMetaType>
#include <QtGlobal>

// Which channels the play area shows. The numbers travel between the play area and the
// control panel's view buttons, so they are fixed.
enum ShowMode : quint8
{
    ShowAll = 0,
    ShowFront = 1,
    ShowRear = 2,
    ShowThird = 3,
    ShowFourth = 4,
};

Q_DECLARE_METATYPE(ShowMode)

// Queued connections need the type registered at run time as well.
inline int registerShowModeMetaType()
{
    return qRegisterMetaType<ShowMode>("ShowMode");
}
