#include "app/applicationfont.h"

#include "app/fontscale.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QScreen>

QString ApplicationFont::defaultPath()
{
    return QCoreApplication::applicationDirPath() +
           QLatin1String("/resources/fonts/wqy-microhei.ttf");
}

std::optional<qreal> ApplicationFont::desktopDpiFactor()
{
    const QScreen *primary = QGuiApplication::primaryScreen();
    if (!primary)
        return std::nullopt;
    const QScreen *screen = QGuiApplication::screenAt(primary->availableGeometry().center());
    if (!screen)
        return std::nullopt;
    return screen->logicalDotsPerInch() / 96.0;
}

bool ApplicationFont::install(const QString &path)
{
    const int id = QFontDatabase::addApplicationFont(path);
    if (id == -1)
        return false;
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty())
        return false;
    QApplication::setFont(QFont(families.first(), FontScale::startupPointSize(desktopDpiFactor())));
    return true;
}
