#include "platform/settings_file.h"

#include <QByteArray>
#include <QIODevice>
#include <QSettings>
#include <QStandardPaths>
#include <QString>

namespace dravik {
namespace {

// Texts travel through QSettings as Latin-1 strings: one character per byte,
// so every byte of the file comes back unchanged, whatever its encoding.
QString bytesToQt(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}
std::string qtToBytes(const QString& text) { return text.toLatin1().toStdString(); }

bool readRawIni(QIODevice& device, QSettings::SettingsMap& map) {
    QByteArray data = device.readAll();
    if (data.startsWith("\xEF\xBB\xBF")) data.remove(0, 3);  // a byte-order mark left by an editor
    QByteArray group;
    for (QByteArray line : data.split('\n')) {
        if (line.endsWith('\r')) line.chop(1);
        const QByteArray trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(';') || trimmed.startsWith('#')) continue;
        if (trimmed.startsWith('[') && trimmed.endsWith(']')) {
            group = trimmed.mid(1, trimmed.size() - 2).trimmed();
            continue;
        }
        const qsizetype eq = line.indexOf('=');
        if (eq < 0) continue;
        const QByteArray key = line.left(eq).trimmed();
        if (key.isEmpty()) continue;
        map.insert(QString::fromLatin1(group.isEmpty() ? key : group + '/' + key),
                   QString::fromLatin1(line.mid(eq + 1)));
    }
    return true;
}

bool writeRawIni(QIODevice& device, const QSettings::SettingsMap& map) {
    QByteArray out;
    auto line = [&out](const QString& key, const QVariant& value) {
        out += key.toLatin1() + '=' + value.toString().toLatin1() + '\n';
    };
    // Keys outside any section first, then each section's keys, which the
    // sorted map keeps together.
    for (auto it = map.begin(); it != map.end(); ++it) {
        if (!it.key().contains('/')) line(it.key(), it.value());
    }
    QString group;
    bool inGroup = false;
    for (auto it = map.begin(); it != map.end(); ++it) {
        const qsizetype slash = it.key().indexOf('/');
        if (slash < 0) continue;
        const QString keyGroup = it.key().left(slash);
        if (!inGroup || keyGroup != group) {
            if (!out.isEmpty()) out += '\n';
            out += '[' + keyGroup.toLatin1() + "]\n";
            group = keyGroup;
            inGroup = true;
        }
        line(it.key().mid(slash + 1), it.value());
    }
    return device.write(out) == out.size();
}

QSettings::Format rawIniFormat() {
    static const QSettings::Format format = QSettings::registerFormat("ini", readRawIni, writeRawIni);
    return format;
}

QString settingsKey(const std::string& section, const std::string& key) {
    return bytesToQt(section.empty() ? key : section + "/" + key);
}

}  // namespace

struct QtSettingsStore::Impl {
    explicit Impl(const QString& path) : settings(path, rawIniFormat()) {}
    mutable QSettings settings;
};

QtSettingsStore::QtSettingsStore(const std::string& filePath)
    : path_(filePath), impl_(std::make_unique<Impl>(QString::fromStdString(filePath))) {}

QtSettingsStore::~QtSettingsStore() = default;

std::string QtSettingsStore::get(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) const {
    // The file may have been edited by hand since it was last read: each
    // reading takes what it holds now.
    impl_->settings.sync();
    const QVariant value = impl_->settings.value(settingsKey(section, key));
    return value.isValid() ? qtToBytes(value.toString()) : defaultValue;
}

void QtSettingsStore::set(const std::string& section, const std::string& key, const std::string& value) {
    const std::string line = value.substr(0, value.find_first_of("\r\n"));
    impl_->settings.setValue(settingsKey(section, key), bytesToQt(line));
    impl_->settings.sync();
}

bool QtSettingsStore::ok() const { return impl_->settings.status() == QSettings::NoError; }

std::string defaultSettingsPath(const std::string& programTitle) {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString() + "/" +
           programTitle + ".ini";
}

}  // namespace dravik
