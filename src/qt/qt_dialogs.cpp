#include "qt/qt_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "platform/codepage.h"

namespace dravik {
namespace {

int dialogsShown = 0;

QMessageBox::Icon iconOf(int style) {
    switch (style & mb::IconMask) {
        case mb::Critical:
            return QMessageBox::Critical;
        case mb::Question:
            return QMessageBox::Question;
        case mb::Exclamation:
            return QMessageBox::Warning;
        case mb::Information:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

struct ButtonSet {
    std::vector<std::pair<QMessageBox::StandardButton, int16_t>> buttons;  // in order, with their answers
    int escape = -1;                                                       // index into buttons, -1: none
};

constexpr int16_t AnswerAbort = 3, AnswerRetry = 4, AnswerIgnore = 5;

ButtonSet buttonsOf(int style) {
    switch (style & mb::ButtonsMask) {
        case mb::OKCancel:
            return {{{QMessageBox::Ok, mb::OK}, {QMessageBox::Cancel, mb::Cancel}}, 1};
        case 2:  // abort, retry, ignore
            return {{{QMessageBox::Abort, AnswerAbort},
                     {QMessageBox::Retry, AnswerRetry},
                     {QMessageBox::Ignore, AnswerIgnore}},
                    -1};
        case mb::YesNoCancel:
            return {
                {{QMessageBox::Yes, mb::Yes}, {QMessageBox::No, mb::No}, {QMessageBox::Cancel, mb::Cancel}},
                2};
        case mb::YesNo:
            return {{{QMessageBox::Yes, mb::Yes}, {QMessageBox::No, mb::No}}, 1};
        case 5:  // retry, cancel
            return {{{QMessageBox::Retry, AnswerRetry}, {QMessageBox::Cancel, mb::Cancel}}, 1};
        default:
            return {{{QMessageBox::Ok, mb::OK}}, 0};
    }
}

QString trimBlanks(const QString& s) {
    qsizetype from = 0, to = s.size();
    while (from < to && s[from] == u' ') ++from;
    while (to > from && s[to - 1] == u' ') --to;
    return s.mid(from, to - from);
}

}  // namespace

int QtDialogs::shownCount() { return dialogsShown; }

QString messageBoxText(std::string_view prompt) {
    QString text = fromCodePage(prompt);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

int16_t QtDialogs::messageBox(const std::string& prompt, int style, const std::string& title) {
    ++dialogsShown;
    QMessageBox box(owner());
    box.setIcon(iconOf(style));
    box.setWindowTitle(fromCodePage(title));
    box.setTextFormat(Qt::PlainText);
    box.setText(messageBoxText(prompt));
    const ButtonSet set = buttonsOf(style);
    std::vector<QAbstractButton*> made;
    for (const auto& [button, answer] : set.buttons) made.push_back(box.addButton(button));
    if (auto* first = qobject_cast<QPushButton*>(made.front())) box.setDefaultButton(first);
    if (set.escape >= 0) box.setEscapeButton(made[static_cast<std::size_t>(set.escape)]);
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    for (std::size_t i = 0; i < made.size(); ++i)
        if (made[i] == clicked) return set.buttons[i].second;
    // Closed without a button (no escape button): the box's last answer.
    return set.escape >= 0 ? set.buttons[static_cast<std::size_t>(set.escape)].second
                           : set.buttons.back().second;
}

std::string QtDialogs::inputBox(const std::string& prompt, const std::string& title,
                                const std::string& defaultText, bool masked) {
    ++dialogsShown;
    QInputDialog dialog(owner());
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(fromCodePage(title));
    dialog.setLabelText(messageBoxText(prompt));
    dialog.setTextEchoMode(masked ? QLineEdit::Password : QLineEdit::Normal);
    dialog.setTextValue(fromCodePage(defaultText));
    if (dialog.exec() != QDialog::Accepted) return {};
    return toCodePage(dialog.textValue());
}

QStringList fileDialogNameFilters(std::string_view filter) {
    const QStringList parts = fromCodePage(filter).split(u'|');
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = trimBlanks(parts[i]);
        QStringList patterns;
        for (const QString& p : parts[i + 1].split(u';')) {
            const QString pattern = trimBlanks(p);
            if (pattern.isEmpty()) continue;
            patterns << (pattern == QStringLiteral("*.*") ? QStringLiteral("*") : pattern);
        }
        if (patterns.isEmpty()) continue;
        // The dialog reads the patterns from the last "(...)", so the
        // description's own list gives way to the real one.
        if (description.endsWith(u')')) {
            const qsizetype open = description.lastIndexOf(u'(');
            if (open >= 0) description = trimBlanks(description.left(open));
        }
        const QString list = patterns.join(u' ');
        out << (description.isEmpty() ? list : description + QStringLiteral(" (") + list + u')');
    }
    return out;
}

std::optional<std::string> QtDialogs::openFile(const OpenFileRequest& request) {
    ++dialogsShown;
    QFileDialog dialog(owner(), QStringLiteral("Open"), QString::fromStdString(request.initialFolder));
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // A typed name that does not exist comes back: the caller tells the user.
    dialog.setFileMode(QFileDialog::AnyFile);
    const QStringList filters = fileDialogNameFilters(request.filter);
    if (!filters.isEmpty()) dialog.setNameFilters(filters);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.front().isEmpty()) return std::nullopt;
    return QDir::fromNativeSeparators(chosen.front()).toStdString();
}

}  // namespace dravik
