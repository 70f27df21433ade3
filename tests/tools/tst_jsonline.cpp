#include "tools/probe/jsonline.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QtTest>
#include <cmath>
#include <cstring>
#include <limits>

// The probe's JSON Lines are read by scripts byte for byte; its writer must give exactly what
// QJsonDocument::Compact gives for the same members.

namespace {

QByteArray qtCompact(const QJsonValue &value)
{
    QJsonObject object;
    object.insert(QStringLiteral("v"), value);
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

template <typename T>
QByteArray ours(const T &value)
{
    QByteArray out;
    Probe::JsonLine json(out);
    json.beginObject();
    json.add("v", value);
    json.endObject();
    return out;
}

double fromBits(quint64 bits)
{
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

} // namespace

class TestJsonLine : public QObject
{
    Q_OBJECT

private slots:
    // File names and texts from a camera can hold anything.
    void stringsAsQtWritesThem()
    {
        const QString texts[] = {
            QString(),
            QStringLiteral("/media/card/DCIM/100MEDIA/FILE0001.MP4"),
            QStringLiteral("quote \" backslash \\ slash / tab \t newline \n return \r"),
            QString::fromUtf16(u"\u0001\u0008\u000c\u001f\u007f"),
            QString::fromUtf8("Straße 日本語 Привет"),
            QString::fromUtf16(u"emoji \U0001F697 pair"),
            QString(QChar(0xd800)) + QStringLiteral("lone") + QChar(0xdfff),
            QString(QChar(0xdc00)) + QChar(0xd800),
            QString::fromLatin1("\xe9\xff\x80"),
        };
        for (const QString &text : texts)
            QCOMPARE(ours(text), qtCompact(text));
    }

    void numbersAsQtWritesThem()
    {
        const double fixed[] = {0.0, -0.0, 1.0, -1.0, 0.1, -0.09, 0.92, 22.539268333333332,
                                113.9353, 1e-5, 1e-4, 0.001, 0.0001234, 123456789.125, 1e15,
                                1e16, 1e20, -1e300, 5e-324, 9007199254740992.0,
                                9007199254740994.0, 4294967296.5, 9223372036854775808.0,
                                -9223372036854775808.0, 9223372036854774784.0,
                                std::numeric_limits<double>::max(),
                                std::numeric_limits<double>::quiet_NaN(),
                                std::numeric_limits<double>::infinity(),
                                -std::numeric_limits<double>::infinity()};
        for (double number : fixed)
            QCOMPARE(ours(number), qtCompact(number));
        // Any bit pattern, and values in the ranges records hold.
        QRandomGenerator random(24);
        for (int i = 0; i < 20000; ++i) {
            const double any = fromBits(random.generate64());
            QCOMPARE(ours(any), qtCompact(any));
            const double degrees = random.bounded(360.0) - 180.0;
            QCOMPARE(ours(degrees), qtCompact(degrees));
            const double hundredths = std::round(random.bounded(8.0) * 100 - 400) / 100;
            QCOMPARE(ours(hundredths), qtCompact(hundredths));
        }
    }

    void nestedMembersInOrder()
    {
        QByteArray out;
        Probe::JsonLine json(out);
        json.beginObject();
        json.add("a", qint64(-7));
        json.beginArray("list");
        json.beginObject();
        json.addNull("n");
        json.endObject();
        json.beginObject();
        json.add("s", "x");
        json.endObject();
        json.endArray();
        json.beginArray("none");
        json.endArray();
        json.beginObject("o");
        json.add("z", qint64(std::numeric_limits<qint64>::min()));
        json.endObject();
        json.endObject();
        QCOMPARE(out, QByteArray(R"({"a":-7,"list":[{"n":null},{"s":"x"}],"none":[],)"
                                 R"("o":{"z":-9223372036854775808}})"));
        QVERIFY(!QJsonDocument::fromJson(out).isNull());
    }
};

QTEST_GUILESS_MAIN(TestJsonLine)
#include "tst_jsonline.moc"
