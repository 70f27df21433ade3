#include "parser/cgpsutils.h"

#include <QEventLoop>
#include <QTimer>

CGPSUtils *CGPSUtils::instance()
{
    // A function-local static: creation is thread-safe even if a pool thread gets here first.
    static CGPSUtils *const utils = new CGPSUtils;
    return utils;
}

void CGPSUtils::wait(int ms)
{
    if (ms <= 0)
        return;
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}
