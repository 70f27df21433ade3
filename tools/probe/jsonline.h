#pragma once

#include <QByteArray>
#include <QString>

namespace Probe {

// Writes one compact JSON object the way QJsonDocument::Compact does: the same escapes, the
// same numbers (a whole double as an integer, others shortest round-trip, non-finite as
// null). The probe's reports once went through QJsonObject, whose member lookups and copies
// took most of a many-file run; scripts read its exact text, so this keeps it. Members are
// written in the order given: callers give them sorted, as QJsonObject kept them.
class JsonLine
{
public:
    explicit JsonLine(QByteArray &out) : out(out) {}

    void beginObject(const char *key = nullptr);
    void endObject();
    void beginArray(const char *key);
    void endArray();

    void add(const char *key, const QString &text);
    void add(const char *key, const char *latin1);
    void add(const char *key, qint64 integer);
    void add(const char *key, double number);
    void addNull(const char *key);

    static void appendString(QByteArray &out, const QString &text);
    static void appendNumber(QByteArray &out, double number);

private:
    void member(const char *key);

    QByteArray &out;
    bool first = true;
};

} // namespace Probe
