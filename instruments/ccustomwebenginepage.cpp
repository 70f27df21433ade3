#include "instruments/ccustomwebenginepage.h"

CCustomWebEnginePage::CCustomWebEnginePage(QObject *parent) : QWebEnginePage(parent) {}

bool CCustomWebEnginePage::certificateError(const QWebEngineCertificateError &)
{
    return true;
}
