#include "library/recordinggroups.h"

#include <QDebug>
#include <QStringView>

namespace {

// Folds like QString's case-insensitive comparison does, one unit at a time; false when
// the text holds surrogates, whose pairs that comparison folds together.
bool foldUnits(const QString &text, QString *out)
{
    out->resize(text.size());
    QChar *dst = out->data();
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isSurrogate())
            return false;
        dst[i] = c.toCaseFolded();
    }
    return true;
}

} // namespace

QString RecordingGroups::recordingKey(const QString &fileName, FolderScheme scheme)
{
    const int cut = scheme == FolderScheme::SchemeNumbered ? 5 : 7;
    return fileName.size() <= cut ? fileName : fileName.left(fileName.size() - cut);
}

void RecordingGroups::append(const QString &fileName)
{
    const int row = offsets.size();
    byName.insert(fileName, byName.value(fileName, row));
    const QString k5 = recordingKey(fileName, FolderScheme::SchemeNumbered);
    const QString k7 = recordingKey(fileName, FolderScheme::SchemeLetters);
    if (!byKey5.contains(k5))
        byKey5.insert(k5, row);
    if (!byKey7.contains(k7))
        byKey7.insert(k7, row);

    offsets.append(folded.size());
    QString f;
    if (!foldUnits(fileName, &f)) {
        unfolded.append(row);
        f.clear();
    }
    folded += f;
    folded += QLatin1Char('/');
    names.append(fileName);
}

bool RecordingGroups::containedBefore(const QString &key, int row) const
{
    QString foldedKey;
    if (key.isEmpty() || !foldUnits(key, &foldedKey) || foldedKey.contains(QLatin1Char('/'))) {
        for (int r = 0; r < row; ++r) {
            if (names.at(r).contains(key, Qt::CaseInsensitive))
                return true;
        }
        return false;
    }
    const QStringView before = QStringView(folded).left(offsets.at(row));
    if (before.indexOf(QStringView(foldedKey)) >= 0)
        return true;
    for (int r : unfolded) {
        if (r >= row)
            break;
        if (names.at(r).contains(key, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

int RecordingGroups::groupOf(const QString &fileName, FolderScheme scheme) const
{
    const QString key = recordingKey(fileName, scheme);
    const auto &byKey = scheme == FolderScheme::SchemeNumbered ? byKey5 : byKey7;
    const int first = byKey.value(key, -1);
    // The first row holding the key exactly contains it too, so the literal walk either
    // stops at that row or at an earlier one whose key differs.
    if (first < 0 || containedBefore(key, first))
        return -1;
    qDebug() << "Same, rowId:" << first;
    return first;
}
