#include "platform/instance_lock.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QString>

namespace dravik {

struct FileInstanceLock::Impl {
    explicit Impl(const QString& path) : file(path) { file.setStaleLockTime(0); }
    QLockFile file;
};

FileInstanceLock::FileInstanceLock(const std::string& folder, const std::string& programTitle)
    : path_(folder + "/" + programTitle + ".lock"),
      impl_(std::make_unique<Impl>(QString::fromStdString(path_))) {}

FileInstanceLock::~FileInstanceLock() = default;

bool FileInstanceLock::tryAcquire() {
    if (impl_->file.isLocked()) return true;
    QDir().mkpath(QFileInfo(QString::fromStdString(path_)).absolutePath());
    if (impl_->file.tryLock(0)) return true;
    return impl_->file.error() != QLockFile::LockFailedError;
}

void FileInstanceLock::release() { impl_->file.unlock(); }

}  // namespace dravik
