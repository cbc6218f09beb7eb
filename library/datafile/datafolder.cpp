#include "library/datafile/datafolder.h"

#include "library/help/helpguide.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace veltra {

namespace {

// Every data folder holds the guide; a folder without it is not one.
bool holdsData(const QString &folder)
{
    return QFileInfo::exists(QDir(folder).filePath(HelpGuide::fileName()));
}

} // namespace

QString DataFolder::of(const QString &programFolder)
{
    if (holdsData(programFolder))
        return programFolder;
    const QString installed =
        QDir::cleanPath(QDir(programFolder).filePath(QStringLiteral("../share/veltra")));
    return holdsData(installed) ? installed : programFolder;
}

QString DataFolder::ofThisProgram()
{
    return of(QCoreApplication::applicationDirPath());
}

} // namespace veltra
