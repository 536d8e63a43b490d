#pragma once
// The per-user settings store: text values by section and key, under the
// program's title. Values are plain text, read back exactly as stored.

#include <map>
#include <string>
#include <utility>

namespace dravik {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::string get(const std::string& section, const std::string& key,
                            const std::string& defaultValue = {}) const = 0;
    virtual void set(const std::string& section, const std::string& key, const std::string& value) = 0;
};

// In-memory settings, for tests.
class MemorySettings : public SettingsStore {
public:
    std::string get(const std::string& section, const std::string& key,
                    const std::string& defaultValue = {}) const override {
        auto it = values_.find({section, key});
        return it == values_.end() ? defaultValue : it->second;
    }
    void set(const std::string& section, const std::string& key, const std::string& value) override {
        values_[{section, key}] = value;
    }
    bool has(const std::string& section, const std::string& key) const {
        return values_.count({section, key}) != 0;
    }

private:
    std::map<std::pair<std::string, std::string>, std::string> values_;
};

}  // namespace dravik
