#include "platform/shell.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace dravik {
namespace {

// A text that starts with a URL scheme of two or more characters ("https:",
// "mailto:") is an address, anything else a path.
bool looksLikeUrl(const std::string& text) {
    static const QRegularExpression scheme("^[A-Za-z][A-Za-z0-9+.-]+:");
    return scheme.match(QString::fromStdString(text)).hasMatch();
}

}  // namespace

int XdgShellOpen::open(const std::string& pathOrUrl, int /*showMode*/) {
    if (pathOrUrl.empty()) return shell::FileNotFound;
    QString target = QString::fromStdString(pathOrUrl);
    if (!looksLikeUrl(pathOrUrl)) {
        QFileInfo info(target);
        if (!info.exists()) return shell::FileNotFound;
        // Absolute, so that a name starting with "-" is never read as an
        // option of the opener.
        target = info.absoluteFilePath();
    }
    if (!QProcess::startDetached(QString::fromStdString(program_), QStringList{target}))
        return shell::NoAssociation;
    return shell::Opened;
}

}  // namespace dravik
