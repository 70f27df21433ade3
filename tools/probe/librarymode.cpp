#include "library/probereport.h"
#include "tools/probe/probe.h"

#include <QIODevice>
#include <QJsonDocument>

namespace Probe {

namespace {

int writeJson(const QJsonObject &object, QIODevice &out)
{
    out.write(QJsonDocument(object).toJson(QJsonDocument::Indented));
    return 0;
}

} // namespace

int runScanMode(const QString &folder, QIODevice &out)
{
    return writeJson(ProbeReport::scan(folder), out);
}

int runFrontMode(const QString &file, QIODevice &out)
{
    return writeJson(ProbeReport::front(file), out);
}

} // namespace Probe
