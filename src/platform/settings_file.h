#pragma once
// The settings store the program uses: an INI file read and written through
// QSettings.
//
// Values are kept exactly as the file holds them: everything after the first
// "=" of a line, blanks, commas and quotes included, byte for byte. A line is
// "key=value" under a "[section]" line; blanks around the key are ignored;
// lines starting with ";" or "#" and lines without "=" are skipped. Keys are
// case-sensitive. Writing rewrites the whole file (comments are not kept).

#include <memory>
#include <string>

#include "platform/settings.h"

namespace dravik {

class QtSettingsStore : public SettingsStore {
public:
    explicit QtSettingsStore(const std::string& filePath);
    ~QtSettingsStore() override;
    QtSettingsStore(const QtSettingsStore&) = delete;
    QtSettingsStore& operator=(const QtSettingsStore&) = delete;

    std::string get(const std::string& section, const std::string& key,
                    const std::string& defaultValue = {}) const override;
    // Stored at once. A file line cannot hold a line break, so a value is
    // cut at its first CR or LF.
    void set(const std::string& section, const std::string& key, const std::string& value) override;

    // False when the file could not be read or the last change could not be
    // written.
    bool ok() const;
    const std::string& path() const { return path_; }

private:
    struct Impl;
    std::string path_;
    std::unique_ptr<Impl> impl_;
};

// $XDG_CONFIG_HOME/<programTitle>.ini, ~/.config/<programTitle>.ini when that
// is not set.
std::string defaultSettingsPath(const std::string& programTitle);

}  // namespace dravik
