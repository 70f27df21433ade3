#pragma once

#include <QObject>

// Process-wide utility object. The application font installation that also belongs here
// needs QtGui and therefore lives with the application shell.
class CGPSUtils : public QObject
{
public:
    static CGPSUtils *instance();

    // Pauses the calling thread for ms milliseconds while its own events keep flowing.
    void wait(int ms);

private:
    CGPSUtils() = default;
};
