#include "forms/dialogs.h"

namespace dravik {

int16_t ScriptedDialogs::messageBox(const std::string& prompt, int style, const std::string& title) {
    Shown s;
    s.kind = Kind::Message;
    s.prompt = prompt;
    s.style = style;
    s.title = title;
    shown_.push_back(s);
    if (!messageAnswers_.empty()) {
        int16_t a = messageAnswers_.front();
        messageAnswers_.pop_front();
        return a;
    }
    int buttons = style & mb::ButtonsMask;
    return (buttons == mb::YesNo || buttons == mb::YesNoCancel) ? mb::Yes : mb::OK;
}

std::string ScriptedDialogs::inputBox(const std::string& prompt, const std::string& title,
                                      const std::string& defaultText, bool masked) {
    Shown s;
    s.kind = Kind::Input;
    s.prompt = prompt;
    s.title = title;
    s.defaultText = defaultText;
    s.masked = masked;
    shown_.push_back(s);
    if (inputAnswers_.empty()) return {};
    std::string a = std::move(inputAnswers_.front());
    inputAnswers_.pop_front();
    return a;
}

std::optional<std::string> ScriptedDialogs::openFile(const OpenFileRequest& request) {
    Shown s;
    s.kind = Kind::OpenFile;
    s.prompt = request.filter;
    s.initialFolder = request.initialFolder;
    s.flags = request.flags;
    shown_.push_back(s);
    if (fileAnswers_.empty()) return std::nullopt;
    auto a = std::move(fileAnswers_.front());
    fileAnswers_.pop_front();
    return a;
}

std::vector<std::string> ScriptedDialogs::messages() const {
    std::vector<std::string> out;
    for (const auto& s : shown_)
        if (s.kind == Kind::Message) out.push_back(s.prompt);
    return out;
}

}  // namespace dravik
