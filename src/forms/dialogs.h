#pragma once
// The program's modal dialogs: message box, input box and the open-file
// dialog. The real program answers them with Qt dialogs; tests script the
// answers and read back every box that was shown.
//
// Texts (prompts, titles, answers) are in the league's single-byte code page;
// only file paths are native UTF-8.

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace dravik {

// Message box style: buttons + icon, as the customary numeric constants.
namespace mb {
inline constexpr int OKOnly = 0;
inline constexpr int OKCancel = 1;
inline constexpr int YesNoCancel = 3;
inline constexpr int YesNo = 4;
inline constexpr int Critical = 16;
inline constexpr int Question = 32;
inline constexpr int Exclamation = 48;
inline constexpr int Information = 64;

inline constexpr int ButtonsMask = 7;
inline constexpr int IconMask = 0x70;

// Answer codes.
inline constexpr int16_t OK = 1;
inline constexpr int16_t Cancel = 2;
inline constexpr int16_t Yes = 6;
inline constexpr int16_t No = 7;
}  // namespace mb

struct OpenFileRequest {
    std::string initialFolder;  // native path
    std::string filter;         // "description|pattern|description|pattern", stray blanks allowed
    int flags = 0;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Shows a modal message box and returns the answer code (mb::OK, ...).
    virtual int16_t messageBox(const std::string& prompt, int style, const std::string& title) = 0;
    // Returns the typed text; Cancel returns the empty text.
    virtual std::string inputBox(const std::string& prompt, const std::string& title,
                                 const std::string& defaultText, bool masked) = 0;
    // Returns the chosen path, or nothing when the user cancelled.
    virtual std::optional<std::string> openFile(const OpenFileRequest& request) = 0;
};

// A dialogs implementation for tests: records every box and replays scripted
// answers. Unscripted message boxes answer with their first button (OK, or
// Yes); unscripted input boxes answer like Cancel; unscripted file dialogs
// are cancelled.
class ScriptedDialogs : public Dialogs {
public:
    enum class Kind { Message, Input, OpenFile };
    struct Shown {
        Kind kind = Kind::Message;
        std::string prompt;  // prompt, or the filter for a file dialog
        int style = 0;       // message boxes
        std::string title;
        std::string defaultText;  // input boxes
        bool masked = false;      // input boxes
        std::string initialFolder;  // file dialogs
        int flags = 0;              // file dialogs
        int icon() const { return style & mb::IconMask; }
        int buttons() const { return style & mb::ButtonsMask; }
    };

    void answerMessage(int16_t code) { messageAnswers_.push_back(code); }
    void answerInput(std::string text) { inputAnswers_.push_back(std::move(text)); }
    void answerFile(std::optional<std::string> path) { fileAnswers_.push_back(std::move(path)); }

    int16_t messageBox(const std::string& prompt, int style, const std::string& title) override;
    std::string inputBox(const std::string& prompt, const std::string& title, const std::string& defaultText,
                         bool masked) override;
    std::optional<std::string> openFile(const OpenFileRequest& request) override;

    const std::vector<Shown>& shown() const { return shown_; }
    // Prompts of the message boxes only, in order.
    std::vector<std::string> messages() const;
    void clear() { shown_.clear(); }
    // True when every scripted answer has been used.
    bool allAnswered() const {
        return messageAnswers_.empty() && inputAnswers_.empty() && fileAnswers_.empty();
    }

private:
    std::vector<Shown> shown_;
    std::deque<int16_t> messageAnswers_;
    std::deque<std::string> inputAnswers_;
    std::deque<std::optional<std::string>> fileAnswers_;
};

}  // namespace dravik
