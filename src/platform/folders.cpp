#include "platform/folders.h"

#include <unistd.h>

#include <QDir>
#include <QStandardPaths>
#include <QString>

namespace dravik {
namespace {

std::string cleanPath(const QString& path) {
    return QDir::cleanPath(QDir::fromNativeSeparators(path)).toStdString();
}

}  // namespace

std::string programFolder(const std::string& programTitle) {
    QString folder = qEnvironmentVariable(ProgramFolderVariable);
    if (folder.isEmpty()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/" +
                 QString::fromStdString(programTitle);
    }
    folder = QDir(folder).absolutePath();
    QDir().mkpath(folder);
    return cleanPath(folder);
}

std::string workFilePath(const std::string& programFolder) { return programFolder + "/ClientTemp.ztm"; }

std::string runtimeFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        // Qt refuses a runtime folder that another user owns; fall back to a
        // folder of this user's own, so one user's lock never blocks another.
        folder = QDir::tempPath() + "/dravik-runtime-" + QString::number(getuid());
        QDir().mkpath(folder);
    }
    return cleanPath(folder);
}

}  // namespace dravik
