#include "parser/parserobject.h"

bool ParserObject::decode(int index, GpsData &out)
{
    out = GpsData();
    Q_UNUSED(index);
    return false;
}
