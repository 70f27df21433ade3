#include "parser/payloadfields.h"

namespace {
bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
} // namespace

bool scanDecimal(const char **cursor, const char *end, int width, int &value)
{
    const char *p = *cursor;
    while (p < end && isSpace(*p))
        ++p;
    if (p >= end || width <= 0)
        return false;
    int used = 0;
    bool negative = false;
    if (*p == '+' || *p == '-') {
        negative = *p == '-';
        ++p;
        ++used;
    }
    long long number = 0;
    int digits = 0;
    while (p < end && used < width && *p >= '0' && *p <= '9') {
        number = number * 10 + (*p - '0');
        ++p;
        ++used;
        ++digits;
    }
    if (digits == 0)
        return false;
    value = int(negative ? -number : number);
    *cursor = p;
    return true;
}

int scanDecimals(const char *begin, const char *end, const int *widths, int **targets, int count)
{
    const char *cursor = begin;
    for (int i = 0; i < count; ++i) {
        if (!scanDecimal(&cursor, end, widths[i], *targets[i]))
            return i;
    }
    return count;
}
