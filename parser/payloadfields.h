#pragma once

// scanf-style reading of the number fields of a payload record, over a bounded span.

// Reads one "%<width>d" conversion from [*cursor, end): leading white space skipped, an
// optional sign, at most width characters (the sign counts). On success stores the number,
// advances *cursor and returns true; on failure leaves both alone.
bool scanDecimal(const char **cursor, const char *end, int width, int &value);

// Reads consecutive conversions of the given widths; the first failure stops, leaving that
// target and all later ones untouched. Returns how many succeeded.
int scanDecimals(const char *begin, const char *end, const int *widths, int **targets, int count);
