#include "probes/computeinfo.h"

#include "parser/gpsdata.h"
#include "platform/machineinfo.h"

#include <QDebug>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace {

// Model names as the adapters' descriptions carry them. The entries are compared as
// case-sensitive substrings; they are data (a misspelt "Tesia" included) and stay as written.
const QStringList kIntelH264 = {
    "UHD Graphics", "Embedded Media and Graphics Controller", "UHD Graphics 630",
    "UHD Graphics 620", "UHD Graphics 617", "UHD Graphics 610", "UHD Graphics 605",
    "UHD Graphics", "Pro Graphics 580", "Iris Plus Graphics", "Iris Graphics", "Graphics 630",
    "Graphics 620", "Graphics 615", "Graphics 610", "Graphics 530", "Graphics 520",
    "Graphics 515", "Graphics 500", " Graphics (Apollo Lake)", "Graphics (Cherry Trail)",
    "Graphics (Haswell)", "Graphics (Ivy Bridge)", "Graphics Family (Haswell)", "Graphics 5500",
    "Graphics 5300", "Graphics 4600", "Graphics 4400", "Graphics 4000",
    "Media Accelerator 3600 Series"};

const QStringList kAmdH264 = {
    "RX 5300", "RX 5500", "RX 5600", "RX 5700 XT", "RX 5700", "RX 5700", "VII",
    "Vega 11 Graphics", "Vega 8 Graphics", "Vega 3 Graphics", "RX Vega M GL Graphics",
    "RX Vega 11 Graphics", "RX Vega (Vega10)", "RX 590 Series", "RX 580 Series",
    "RX 570 Series", "RX 560 Series", "550 Series", "RX 480 Graphics", "RX 470 Graphics",
    "RX 460 Graphics", "R9 380 Series", "R7 Graphics (Bristol Ridge)",
    "R5 Graphics (Bristol Ridge)", "Pro WX 4100", "HD 7610M", "HD 4800 Series", " HD 4650",
    "HD 4600 Series", "HD 4550", "HD 4500 Series", "HD 4300 Series", "HD 4200 Series", "HD 4200",
    "HD 3300 Graphics", "HD 3200 Graphics"};

const QStringList kNvidiaH264 = {
    "Tesia T4", "Tesia V100", "Tesia P100", "Tesia P40", "Tesia P6", "Tesia P4",
    "Quadro RTX4000", "Quadro RTX6000", "Quadro RTX8000", "Quadro P5000", "Quadro GV100",
    "Quadro GP100", "Quadro P4000", "Quadro P2000", "Quadro P400", "Quadro M4000",
    "Quadro M1000M", "Quadro K600", "Quadro K2000M", "RTX 5000", "NVS 510", "NVS 310",
    "GTX TITAN X", "RTX 2080", "RTX 2070", "RTX 2060", "GTX 1660", "GTX 1650", "GTX 1080",
    "GTX 1070", "GTX 1060", "GTX 1050", "GTX 1030", "GT 1030", "GTX 980", "GTX 970", "GTX 965M",
    "GTX 960", "GTX 950", "GTX 860", "GTX 850", "GTX 780", "GTX 770", "GTX 760", "GT 755M",
    "GTX 750", "GT 750M", "GTX 745", "GT 740M", "GT 740", "GT 730", "GT 720", "GT 710", "GTX 680",
    "GTX 675", "GTX 670", "GTX 660", "GTX 650", "GT 650M", "GTX 645", "GT 645M", "GT 640",
    "GT 610", "610M", "GT 520", "MX250", "MX230", "MX150"};

// The H.265 lists are the H.264 lists, each entry once, without the models that decode only
// H.264 (and, for AMD, only up to "Pro WX 4100").
QStringList withoutRepeats(const QStringList &list, const QStringList &dropped,
                           const QString &last = QString())
{
    QStringList result;
    for (const QString &entry : list) {
        if (!result.contains(entry) && !dropped.contains(entry))
            result << entry;
        if (entry == last)
            break;
    }
    return result;
}

const QStringList kIntelH265 = withoutRepeats(
    kIntelH264, {"Embedded Media and Graphics Controller", "Graphics (Haswell)",
                 "Graphics (Ivy Bridge)", "Graphics 5300", "Graphics 4000",
                 "Media Accelerator 3600 Series"});
const QStringList kAmdH265 = withoutRepeats(kAmdH264, {"R9 380 Series"}, "Pro WX 4100");
const QStringList kNvidiaH265 = withoutRepeats(
    kNvidiaH264, {"Quadro K600", "Quadro K2000M", "NVS 510", "NVS 310", "GT 755M", "GT 750M",
                  "GT 740M", "GT 740", "GT 730", "GT 720", "GT 710", "GTX 650", "GT 650M",
                  "GT 645M", "GT 640", "GT 610", "610M", "GT 520"});

const quint16 kIntel = 0x8086;
const quint16 kNvidia = 0x10de;
const quint16 kAmd = 0x1002;
const quint16 kAmdHost = 0x1022;

// The adapters' names, Intel first, then NVIDIA, then AMD, then any other vendor; each
// name once.
QString adapterText(const QList<MachineInfo::DisplayAdapter> &adapters)
{
    const QList<QList<quint16>> groups = {{kIntel}, {kNvidia}, {kAmd, kAmdHost}};
    auto rank = [&](quint16 vendor) {
        for (int i = 0; i < groups.size(); ++i) {
            if (groups[i].contains(vendor))
                return i;
        }
        return int(groups.size());
    };
    QString text;
    for (int group = 0; group <= groups.size(); ++group) {
        for (const MachineInfo::DisplayAdapter &adapter : adapters) {
            if (rank(adapter.vendorId) != group || adapter.description.isEmpty() ||
                text.contains(adapter.description))
                continue;
            text += QLatin1Char('\n') + adapter.description;
        }
    }
    return text;
}

bool processorIsHigh(const QString &name)
{
    if (name.contains(QLatin1String("Intel"))) {
        const QString core = QStringLiteral("Core(TM) i");
        const int at = name.indexOf(core);
        if (at < 0) {
            qDebug() << " CPU: not interl Core(M)";
            return false;
        }
        const int next = at + core.size();
        const QChar digit = next < name.size() ? name.at(next) : QChar();
        const int level = digit.isDigit() ? digit.digitValue() : 0;
        if (level >= 3) {
            qDebug() << "CPU: >= intel Core(M) i3";
            return true;
        }
        qDebug() << " CPU: < intel Core(M) i3";
        return false;
    }
    if (name.contains(QLatin1String("AMD"))) {
        qDebug() << "CPU AMD";
        return true;
    }
    return false;
}

// The models that the adapters' names list in brackets. The PCI ID database names an AMD
// chip by its code name and puts the boards sold with it in brackets, several sharing their
// first words through slashes: "Ellesmere [Radeon RX 470/480/570/570X/580/580X/590]" is the
// Radeon RX 470 to RX 590, "Baffin [Radeon RX 460/560D / Pro 450/455]" also the Pro 450 and
// Pro 455 (seen in Debian 12's /usr/share/misc/pci.ids; the syntax is described in that
// file's header and at https://pci-ids.ucw.cz/).
QStringList bracketModels(const QString &text)
{
    static const QRegularExpression brackets(QStringLiteral("\\[([^\\]]*)\\]"));
    static const QRegularExpression firstNumber(QStringLiteral("(^|\\s)\\d"));
    QStringList models;
    for (auto it = brackets.globalMatch(text); it.hasNext();) {
        QString prefix;
        const QStringList parts = it.next().captured(1).split(QLatin1Char('/'));
        for (QString part : parts) {
            part = part.trimmed();
            if (part.isEmpty())
                continue;
            if (part.at(0).isDigit()) {
                models << prefix + part;
                continue;
            }
            models << part;
            const QRegularExpressionMatch number = firstNumber.match(part);
            prefix = number.hasMatch() ? part.left(number.capturedStart() + 1)
                                       : part + QLatin1Char(' ');
        }
    }
    return models;
}

// The lists name AMD boards as Windows' drivers do ("RX 580 Series", "RX 470 Graphics"); the
// model is the name without that ending.
QString modelOf(const QString &entry)
{
    for (const char *ending : {" Series", " Graphics"}) {
        if (entry.endsWith(QLatin1String(ending)))
            return entry.chopped(int(qstrlen(ending)));
    }
    return entry;
}

// `model` names the board of `listed` as a whole: "Radeon RX 580X" is an RX 580, but
// "Radeon RX 5800" is not.
bool namesModel(const QString &model, const QString &listed)
{
    for (int at = model.indexOf(listed); at >= 0; at = model.indexOf(listed, at + 1)) {
        const int end = at + listed.size();
        const bool startsWord = at == 0 || !model.at(at - 1).isLetterOrNumber();
        const bool endsNumber = end == model.size() || !model.at(end).isDigit();
        if (startsWord && endsNumber)
            return true;
    }
    return false;
}

bool entryMatches(const QString &text, const QStringList &models, const QString &entry)
{
    if (text.contains(entry))
        return true;
    const QString listed = modelOf(entry);
    return std::any_of(models.begin(), models.end(),
                       [&](const QString &model) { return namesModel(model, listed); });
}

// The bracketed models of the AMD adapters only: an NVIDIA "[GeForce GTX 550 Ti]" is no
// Radeon 550.
QStringList amdModels(const QList<MachineInfo::DisplayAdapter> &adapters)
{
    QStringList models;
    for (const MachineInfo::DisplayAdapter &adapter : adapters) {
        if (adapter.vendorId == kAmd || adapter.vendorId == kAmdHost)
            models << bracketModels(adapter.description);
    }
    return models;
}

// Searches each vendor's list for its first entry found in the adapter text. Only the AMD
// list (the second) is matched against the AMD adapters' bracketed models as well: the Intel
// and NVIDIA names in the database already carry the lists' texts.
bool anyListMatches(const QString &text, const QStringList &models, const QStringList (&lists)[3],
                    const char *const (&logs)[3])
{
    bool found = false;
    for (int i = 0; i < 3; ++i) {
        for (const QString &entry : lists[i]) {
            if (i == 1 ? entryMatches(text, models, entry) : text.contains(entry)) {
                qDebug() << logs[i] << entry;
                found = true;
                break;
            }
        }
    }
    return found;
}

} // namespace

const ComputeInfo *ComputeInfo::instance()
{
    static const ComputeInfo *info = new ComputeInfo(MachineInfo());
    return info;
}

ComputeInfo::ComputeInfo(const MachineInfo &machine, QObject *parent) : QObject(parent)
{
    const QString processor = machine.processorName();
    qDebug() << "CPU Info:" << processor;
    const QList<MachineInfo::DisplayAdapter> found = machine.displayAdapters();
    const QString adapters = adapterText(found);
    qDebug() << "Card Info:" << adapters;
    const QStringList models = amdModels(found);

    mCpuLevelH = processorIsHigh(processor);
    isHDDecodeH265 = anyListMatches(adapters, models, {kIntelH265, kAmdH265, kNvidiaH265},
                                    {"Intel dCard H265:", "AMD dCard H265:", "NVIDIA dCard H265:"});
    isHDDecodeH264 = anyListMatches(adapters, models, {kIntelH264, kAmdH264, kNvidiaH264},
                                    {"Intel dCard H264:", "AMD dCard H264:", "NVIDIA dCard H264:"});
    mMachineInfo = processor + QLatin1String("\r\n") + adapters;

    qDebug() << "isHDDecodeH265 = " << isHDDecodeH265;
    qDebug() << "isHDDecodeH264 = " << isHDDecodeH264;
    qDebug() << "mCpuLevelH = " << mCpuLevelH;
}

DecodeWarning decodeWarningFor(int codec, const QSize &resolution, const ComputeInfo &info)
{
    const qint64 pixels = qint64(resolution.width()) * resolution.height();
    if (pixels <= 4000000)
        return DecodeWarning::None;
    if (codec == CodecH265 && !(info.isHDDecodeH265 && info.mCpuLevelH))
        return DecodeWarning::H265;
    if (codec == CodecH264 && !(info.isHDDecodeH264 && info.mCpuLevelH))
        return DecodeWarning::H264;
    return DecodeWarning::None;
}
