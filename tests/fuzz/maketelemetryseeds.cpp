// Writes the starting inputs of the telemetry fuzz targets into the folders given: GPMF
// samples shaped like GoPro's published examples, NMEA and BlackVue logs, GPX documents.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QtEndian>

namespace {

QByteArray be(quint32 v, int bytes)
{
    QByteArray b(4, '\0');
    qToBigEndian(v, reinterpret_cast<uchar *>(b.data()));
    return b.right(bytes);
}

QByteArray klv(const char *key, char type, int structSize, int repeat, const QByteArray &data)
{
    QByteArray item = QByteArray(key, 4) + type + char(structSize) + be(quint32(repeat), 2) + data;
    while (item.size() % 4)
        item += '\0';
    return item;
}

QByteArray nest(const char *key, const QByteArray &children)
{
    return klv(key, '\0', 1, children.size(), children);
}

bool put(const QString &dir, const QString &name, const QByteArray &bytes)
{
    QDir().mkpath(dir);
    QFile file(dir + "/" + name);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray nmeaSentence(const QByteArray &body)
{
    quint8 sum = 0;
    for (char c : body)
        sum ^= quint8(c);
    return "$" + body + "*" + QByteArray::number(sum, 16).rightJustified(2, '0').toUpper() + "\r\n";
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 4)
        return 2;
    const QString gpmf = QString::fromLocal8Bit(argv[1]);
    const QString nmea = QString::fromLocal8Bit(argv[2]);
    const QString gpx = QString::fromLocal8Bit(argv[3]);
    QByteArray gps;
    for (int k = 0; k < 3; ++k)
        gps += be(331253800 + k, 4) + be(quint32(-1173310700), 4) + be(15600, 4) + be(500, 4) + be(510, 4);
    const QByteArray scal = be(10000000, 4) + be(10000000, 4) + be(1000, 4) + be(1000, 4) + be(100, 4);
    QByteArray accl;
    for (int k = 0; k < 4; ++k)
        accl += be(4099, 2) + be(12, 2) + be(quint32(-30), 2);
    const QByteArray hero5 = nest(
        "DEVC", klv("DVID", 'L', 4, 1, be(1, 4)) + klv("DVNM", 'c', 1, 6, "Camera") +
                    nest("STRM", klv("GPSF", 'L', 4, 1, be(3, 4)) +
                                     klv("GPSU", 'U', 16, 1, "170417192758.000") +
                                     klv("SCAL", 'l', 4, 5, scal) + klv("GPS5", 'l', 20, 3, gps)) +
                    nest("STRM", klv("SCAL", 's', 2, 1, be(418, 2)) + klv("ACCL", 's', 6, 4, accl)));
    QByteArray gps9 = be(331253800, 4) + be(quint32(-1173310700), 4) + be(15600, 4) + be(500, 4) +
                      be(510, 4) + be(6316, 4) + be(70078000, 4) + be(120, 2) + be(3, 2);
    const QByteArray scal9 = scal + be(1, 4) + be(1000, 4) + be(100, 4) + be(1, 4);
    const QByteArray max = nest(
        "DEVC", nest("STRM", klv("TYPE", 'c', 1, 9, "lllllllSS") + klv("SCAL", 'l', 4, 9, scal9) +
                                 klv("GPS9", '?', 32, 1, gps9)) +
                    nest("STRM", klv("ORIN", 'c', 1, 3, "YxZ") + klv("SCAL", 's', 2, 1, be(418, 2)) +
                                 klv("ACCL", 's', 6, 4, accl)));
    const QByteArray rmc = nmeaSentence("GPRMC,054652.00,A,5355.77140,N,02729.48621,E,0.003,,090717,,,A");
    const QByteArray gga = nmeaSentence("GPGGA,054652.00,5355.77140,N,02729.48621,E,1,09,0.96,212.7,M,25.0,M,,");
    const QByteArray text = rmc + gga + "$GS,0.01,-0.98,0.10\r\n";
    QByteArray records;
    for (int k = 0; k < 5; ++k)
        records += be(quint32(k * 100), 4) + be(130, 2) + be(quint32(-2), 2) + be(quint32(-7), 2);
    const QByteArray sample = be(quint32(rmc.size()), 2) + rmc;
    const QByteArray document =
        "<?xml version=\"1.0\"?><gpx version=\"1.1\"><trk><trkseg>"
        "<trkpt lat=\"47.1\" lon=\"8.5\"><ele>400</ele><time>2024-05-17T08:30:05Z</time></trkpt>"
        "<trkpt lat=\"47.1001\" lon=\"8.5002\"><time>2024-05-17T08:30:06.5Z</time><speed>3</speed></trkpt>"
        "</trkseg></trk></gpx>";
    const bool ok = put(gpmf, "hero5", hero5) && put(gpmf, "gps9", max) &&
                    put(nmea, "text", "\x00" + text) &&
                    put(nmea, "blackvue", "\x01[1499590012688]" + rmc + "[1499590013687]" + gga) &&
                    put(nmea, "subtitle", "\x02" + sample + sample) && put(nmea, "3gf", "\x03" + records) &&
                    put(gpx, "phone", document);
    return ok ? 0 : 1;
}
