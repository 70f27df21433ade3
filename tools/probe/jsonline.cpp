#include "tools/probe/jsonline.h"

#include <QLocale>
#include <cmath>

namespace Probe {

namespace {

char hexDigit(uint value)
{
    return char(value < 10 ? '0' + value : 'a' + value - 10);
}

void appendEscape(QByteArray &out, uint unit)
{
    out += "\\u";
    out += hexDigit((unit >> 12) & 0xf);
    out += hexDigit((unit >> 8) & 0xf);
    out += hexDigit((unit >> 4) & 0xf);
    out += hexDigit(unit & 0xf);
}

void appendUtf8(QByteArray &out, uint code)
{
    if (code < 0x800) {
        out += char(0xc0 | (code >> 6));
    } else if (code < 0x10000) {
        out += char(0xe0 | (code >> 12));
        out += char(0x80 | ((code >> 6) & 0x3f));
    } else {
        out += char(0xf0 | (code >> 18));
        out += char(0x80 | ((code >> 12) & 0x3f));
        out += char(0x80 | ((code >> 6) & 0x3f));
    }
    out += char(0x80 | (code & 0x3f));
}

} // namespace

void JsonLine::appendString(QByteArray &out, const QString &text)
{
    out += '"';
    const ushort *unit = text.utf16();
    const ushort *const end = unit + text.size();
    while (unit != end) {
        const uint u = *unit++;
        if (u < 0x80) {
            switch (u) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case 0x08: out += "\\b"; break;
            case 0x0c: out += "\\f"; break;
            case 0x0a: out += "\\n"; break;
            case 0x0d: out += "\\r"; break;
            case 0x09: out += "\\t"; break;
            default:
                if (u < 0x20)
                    appendEscape(out, u);
                else
                    out += char(u);
            }
        } else if (QChar::isHighSurrogate(u) && unit != end && QChar::isLowSurrogate(*unit)) {
            appendUtf8(out, QChar::surrogateToUcs4(ushort(u), *unit++));
        } else if (QChar::isSurrogate(u)) {
            // A lone surrogate (a file name that is not valid UTF-16) has no UTF-8 form.
            appendEscape(out, u);
        } else {
            appendUtf8(out, u);
        }
    }
    out += '"';
}

void JsonLine::appendNumber(QByteArray &out, double number)
{
    if (!std::isfinite(number)) {
        out += "null";
        return;
    }
    // QJsonValue keeps a whole double up to 2^53 as an integer (so -0 is 0); Qt's writer
    // prints other whole numbers that 64 bits hold without an exponent.
    const double integerLimit = 9007199254740992.0; // 2^53
    const double fixedLimit = 18446744073709551616.0; // 2^64
    const bool whole = std::trunc(number) == number;
    if (whole && std::fabs(number) <= integerLimit) {
        out += QByteArray::number(qint64(number));
        return;
    }
    if (whole && std::fabs(number) < fixedLimit) {
        out += QByteArray::number(number, 'f', QLocale::FloatingPointShortest);
        return;
    }
    out += QByteArray::number(number, 'g', QLocale::FloatingPointShortest);
}

void JsonLine::member(const char *key)
{
    if (!first)
        out += ',';
    first = false;
    if (key) {
        out += '"';
        out += key; // our own member names: nothing to escape
        out += "\":";
    }
}

void JsonLine::beginObject(const char *key)
{
    member(key);
    out += '{';
    first = true;
}

void JsonLine::endObject()
{
    out += '}';
    first = false;
}

void JsonLine::beginArray(const char *key)
{
    member(key);
    out += '[';
    first = true;
}

void JsonLine::endArray()
{
    out += ']';
    first = false;
}

void JsonLine::add(const char *key, const QString &text)
{
    member(key);
    appendString(out, text);
}

void JsonLine::add(const char *key, const char *latin1)
{
    add(key, QString::fromLatin1(latin1));
}

void JsonLine::add(const char *key, qint64 integer)
{
    member(key);
    out += QByteArray::number(integer);
}

void JsonLine::add(const char *key, double number)
{
    member(key);
    appendNumber(out, number);
}

void JsonLine::addNull(const char *key)
{
    member(key);
    out += "null";
}

} // namespace Probe
