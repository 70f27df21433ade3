#include "instruments/mappages.h"

#include <QAtomicInteger>
#include <QJsonArray>
#include <QJsonDocument>
#include <QStringList>

#include <QCoreApplication>
#include <QUrlQuery>
#include <iterator>

namespace {

// Default centres by the language index of the settings. They go out as text so that their
// varying numbers of decimals reach the page unchanged.
struct DefaultCentre
{
    const char *googleLanguage;
    const char *googleLongitude;
    const char *googleLatitude;
    const char *osmLongitude;
    const char *osmLatitude;
};

const DefaultCentre defaultCentres[] = {
    {"zh_CN", "116.391557", "39.902354", "116.37530", "39.90000"},
    {"zh_TW", "121.518138", "25.042073", "116.37530", "39.90000"},
    {"en", "-74.013476", "40.705562", "-74.013476", "40.705562"},
    {"en_uk", "-0.1267719269", "51.5087958794", "-0.1267719269", "51.5087958794"},
    {"fr", "2.349872", "48.852969", "2.349872", "48.852969"},
    {"it", "12.498750", "41.896463", "12.498750", "41.896463"},
    {"ja", "139.766909", "35.681151", "139.766909", "35.681151"},
    {"pl", "21.005988", "52.231847", "21.005988", "52.231847"},
    {"ru", "37.617487", "55.752030", "37.617487", "55.752030"},
    {"de", "13.393621", "52.517892", "13.393621", "52.517892"},
    {"es", "-3.712177", "40.423428", "-3.712177", "40.423428"},
    {"pt", "-9.139509", "38.712170", "-9.139509", "38.712170"},
    {"ko", "126.9911799270", "37.5527383075", "126.9911799270", "37.5527383075"},
};
const DefaultCentre fallbackCentre = {"en", "-74.013476", "40.705562", "-74.013476", "40.705562"};

const DefaultCentre &centreFor(int languageIndex)
{
    if (languageIndex < 0 || languageIndex >= int(std::size(defaultCentres)))
        return fallbackCentre;
    return defaultCentres[languageIndex];
}

QAtomicInteger<quint16> testTileServerPort = 0;

QString degrees(double value)
{
    return QString::number(value, 'f', 6);
}

} // namespace

void registerMapMetaTypes()
{
    qRegisterMetaType<MapPoint>("MapPoint");
    qRegisterMetaType<QVector<QVector<double>>>("QVector<QVector<double>>");
    qRegisterMetaType<MapTypes>("MapTypes");
}

namespace MapPages {

QString directory()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/maps");
}

QUrl pageUrl(int mapType, int languageIndex, const QString &pagesDirectory)
{
    const DefaultCentre &centre = centreFor(languageIndex);
    QUrlQuery query;
    QUrl url;
    switch (mapType) {
    case BaiduMap:
        return QUrl::fromLocalFile(pagesDirectory + QStringLiteral("/BaiduMapIndex.html"));
    case GoogleMap:
        url = QUrl::fromLocalFile(pagesDirectory + QStringLiteral("/") + QStringLiteral("WG_") +
                                  QStringLiteral("GoogleMapIndex.html"));
        query.addQueryItem(QStringLiteral("language"), QLatin1String(centre.googleLanguage));
        query.addQueryItem(QStringLiteral("lng"), QLatin1String(centre.googleLongitude));
        query.addQueryItem(QStringLiteral("lat"), QLatin1String(centre.googleLatitude));
        break;
    case OpenStreetMap:
        url = QUrl::fromLocalFile(pagesDirectory + QStringLiteral("/OpenStreetMap.html"));
        query.addQueryItem(QStringLiteral("lng"), QLatin1String(centre.osmLongitude));
        query.addQueryItem(QStringLiteral("lat"), QLatin1String(centre.osmLatitude));
        if (const quint16 port = localTileServerPort())
            query.addQueryItem(QStringLiteral("tiles"),
                               QStringLiteral("http://127.0.0.1:%1/{z}/{x}/{y}.png").arg(port));
        break;
    default:
        return QUrl();
    }
    url.setQuery(query);
    return url;
}

void setLocalTileServerForTesting(quint16 port)
{
    testTileServerPort.storeRelaxed(port);
}

quint16 localTileServerPort()
{
    return testTileServerPort.loadRelaxed();
}

QString clearAllStatement()
{
    return QStringLiteral("mapClearAll();");
}

QString addPointStatement(const MapPoint &point)
{
    return QStringLiteral("mapAddPoint(%1, %2, %3);")
        .arg(degrees(point.longitude), degrees(point.latitude))
        .arg(point.index);
}

QString currentPointStatement(const MapPoint &point)
{
    return QStringLiteral("mapSetCurrentPoint(%1, %2, %3);")
        .arg(degrees(point.longitude), degrees(point.latitude))
        .arg(point.index);
}

QString centerStatement(double longitude, double latitude)
{
    return QStringLiteral("setCenter(%1, %2);").arg(degrees(longitude), degrees(latitude));
}

QString trackPointStatement(double longitude, double latitude, int position, int count)
{
    // The page's contract has this one without a closing semicolon.
    return QStringLiteral("loadAllGpsDataOfVideo(%1, %2, %3, %4)")
        .arg(degrees(longitude), degrees(latitude))
        .arg(position)
        .arg(count);
}

QString eventMarksStatement(const QVector<EventMark> &marks)
{
    QStringList items;
    for (const EventMark &mark : marks) {
        const QByteArray label =
            QJsonDocument(QJsonArray{mark.label}).toJson(QJsonDocument::Compact);
        // The label array "[\"...\"]" without its brackets is the label as a JSON string.
        items.append(QStringLiteral("[%1, %2, %3]")
                         .arg(degrees(mark.longitude), degrees(mark.latitude),
                              QString::fromUtf8(label.mid(1, label.size() - 2))));
    }
    return QStringLiteral("mapSetEventMarks([%1]);").arg(items.join(QStringLiteral(", ")));
}

} // namespace MapPages
