#include "export/outputfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {


void removePath(const QString &path, bool folder)
{
    if (folder)
        QDir(path).removeRecursively();
    else
        QFile::remove(path);
}

} // namespace

OutputFile::OutputFile(const QString &target, bool folder)
    : target(QFileInfo(target).absoluteFilePath()), folder(folder)
{
    const QFileInfo info(this->target);
    temporary = info.absolutePath() + QStringLiteral("/.") + info.fileName() +
                QStringLiteral(".partial");
}

OutputFile::~OutputFile()
{
    if (!committed)
        removePath(temporary, folder);
}

bool OutputFile::prepare(QString *error)
{
    // Replacing means removing: never a folder where a clip goes, and never a folder that
    // is not an earlier evidence pack (a typo of "-o ~/Documents" must not empty it).
    const QFileInfo existing(target);
    if (existing.exists() && !existing.isSymLink()) {
        const bool earlierPack =
            existing.isDir() &&
            (QDir(target).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot) ||
             QFileInfo(QDir(target).filePath(QStringLiteral("manifest.json"))).isFile());
        if (folder ? !earlierPack : existing.isDir()) {
            *error = QCoreApplication::translate("OutputFile", "%1 exists and is not replaced")
                         .arg(target);
            return false;
        }
    }
    const QString parent = QFileInfo(target).absolutePath();
    if (!QDir().mkpath(parent)) {
        *error = QCoreApplication::translate("OutputFile", "cannot create the folder %1").arg(parent);
        return false;
    }
    removePath(temporary, folder);
    if (folder && !QDir().mkpath(temporary)) {
        *error = QCoreApplication::translate("OutputFile", "cannot create %1").arg(temporary);
        return false;
    }
    return true;
}

bool OutputFile::commit(QString *error)
{
    const QFileInfo existing(target);
    if (existing.exists() || existing.isSymLink())
        removePath(target, existing.isDir() && !existing.isSymLink());
    const bool moved = folder ? QDir().rename(temporary, target) : QFile::rename(temporary, target);
    if (!moved) {
        *error = QCoreApplication::translate("OutputFile", "cannot write %1").arg(target);
        return false;
    }
    committed = true;
    return true;
}
