// The real dialogs: message box icons, buttons and answers, the input box,
// and Qt's own file dialog with the filters rebuilt from the pipe string.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "league/password.h"
#include "platform/codepage.h"
#include "qt/qt_dialogs.h"
#include "support/qt_test.h"
#include "test_env.h"

namespace dravik::test {
namespace {

struct BoxCase {
    const char* name;
    int style;
    QMessageBox::StandardButton press;  // NoButton: Escape
    int16_t answer;
    QMessageBox::Icon icon;
    std::vector<QMessageBox::StandardButton> buttons;
};

class MessageBoxAnswers : public ::testing::TestWithParam<BoxCase> {};

TEST_P(MessageBoxAnswers, TravelBackAsTheirCodes) {
    qtApp();
    const BoxCase& c = GetParam();
    QtDialogs dialogs;
    QMessageBox::Icon icon{};
    std::vector<QMessageBox::StandardButton> buttons;
    QString text, title;
    QMessageBox::StandardButton defaultButton{};
    whenDialogOpens([&](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        ASSERT_NE(box, nullptr);
        icon = box->icon();
        text = box->text();
        title = box->windowTitle();
        for (QAbstractButton* b : box->buttons()) buttons.push_back(box->standardButton(b));
        defaultButton = box->standardButton(box->defaultButton());
        if (c.press == QMessageBox::NoButton) {
            QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(box, &esc);
        } else {
            box->button(c.press)->click();
        }
    });
    const int16_t answer = dialogs.messageBox(
        "Roster is not Complete!\r\nYou cannot make your lines if your roster is not done!", c.style,
        "Dravik Hockey Simulator Client");
    EXPECT_EQ(answer, c.answer);
    EXPECT_EQ(icon, c.icon);
    EXPECT_EQ(text, "Roster is not Complete!\nYou cannot make your lines if your roster is not done!");
    EXPECT_EQ(title, "Dravik Hockey Simulator Client");
    EXPECT_THAT(buttons, ::testing::UnorderedElementsAreArray(c.buttons));
    EXPECT_EQ(defaultButton, c.buttons.front());
}

using SB = QMessageBox::StandardButton;
INSTANTIATE_TEST_SUITE_P(
    Styles, MessageBoxAnswers,
    ::testing::Values(
        BoxCase{"OkCriticalEscapeIsOk",
                mb::OKOnly | mb::Critical,
                SB::NoButton,
                mb::OK,
                QMessageBox::Critical,
                {SB::Ok}},
        BoxCase{
            "OkExclamation", mb::OKOnly | mb::Exclamation, SB::Ok, mb::OK, QMessageBox::Warning, {SB::Ok}},
        BoxCase{"OkInformation", mb::Information, SB::Ok, mb::OK, QMessageBox::Information, {SB::Ok}},
        BoxCase{"YesNoQuestionNo",
                mb::YesNo | mb::Question,
                SB::No,
                mb::No,
                QMessageBox::Question,
                {SB::Yes, SB::No}},
        BoxCase{"YesNoInformationYes",
                mb::YesNo | mb::Information,
                SB::Yes,
                mb::Yes,
                QMessageBox::Information,
                {SB::Yes, SB::No}},
        BoxCase{"YesNoEscapeIsNo",
                mb::YesNo | mb::Question,
                SB::NoButton,
                mb::No,
                QMessageBox::Question,
                {SB::Yes, SB::No}},
        BoxCase{"YesNoCancelEscapeIsCancel",
                mb::YesNoCancel | mb::Question,
                SB::NoButton,
                mb::Cancel,
                QMessageBox::Question,
                {SB::Yes, SB::No, SB::Cancel}},
        BoxCase{"YesNoCancelNo",
                mb::YesNoCancel | mb::Question,
                SB::No,
                mb::No,
                QMessageBox::Question,
                {SB::Yes, SB::No, SB::Cancel}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(QtDialogs, ALongPromptIsShownWhole) {
    qtApp();
    QtDialogs dialogs;
    std::string prompt;
    for (int i = 0; i < 120; ++i) prompt += "Player #" + std::to_string(i) + " has no position!\r\n";
    QString shown;
    whenDialogOpens([&](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        shown = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    dialogs.messageBox(prompt, mb::Critical, "T");
    EXPECT_EQ(shown, messageBoxText(prompt));
    EXPECT_EQ(shown.count(u'\n'), 120);
}

TEST(QtDialogs, TheInputBoxMasksThePasswordAndCancelGivesEmptyText) {
    qtApp();
    QtDialogs dialogs;
    QLineEdit::EchoMode echo{};
    QString label;
    whenDialogOpens([&](QWidget* dialog) {
        auto* input = qobject_cast<QInputDialog*>(dialog);
        ASSERT_NE(input, nullptr);
        echo = input->textEchoMode();
        label = input->labelText();
        input->setTextValue(QString::fromUtf8("gr\u00FCn"));
        input->accept();
    });
    EXPECT_EQ(dialogs.inputBox("Password Required!", "Dravik Hockey Simulator Client", "", true), "gr\xFCn");
    EXPECT_EQ(echo, QLineEdit::Password);
    EXPECT_EQ(label, "Password Required!");

    whenDialogOpens([&](QWidget* dialog) {
        auto* input = qobject_cast<QInputDialog*>(dialog);
        echo = input->textEchoMode();
        input->setTextValue("typed, then cancelled");
        input->reject();
    });
    EXPECT_EQ(dialogs.inputBox("Complete or Part of the Player Name?", "Player Search", "x", false), "");
    EXPECT_EQ(echo, QLineEdit::Normal);
}

// A password typed into the input box reaches the digest as the bytes of
// the system's code page, as the simulator's own system digested it; a
// letter the code page lacks is a "?". Digests as Python's hashlib gives
// them, in the program's text form.
TEST(QtDialogs, ATypedPasswordIsDigestedOverTheSystemCodePagesBytes) {
    qtApp();
    struct Case {
        int codePage;
        const char* typed;  // UTF-8
        std::string bytes;
        const char* digest;
    } cases[] = {
        {1250, "\u0159eka", "\xF8\x65ka", "7217d9df776dbe4e1013c9a781193969"},
        {1252, "\u0159eka", "?eka", "4cda73314ff4bdc043cc9cae9ac54ae1"},
        {1251, "\u0436\u0430\u0440\u0430", "\xE6\xE0\xF0\xE0", "33da476773594741b388224015add080"},
    };
    for (const Case& c : cases) {
        ScopedSystemCodePage system(c.codePage);
        QtDialogs dialogs;
        whenDialogOpens([&](QWidget* dialog) {
            auto* input = qobject_cast<QInputDialog*>(dialog);
            ASSERT_NE(input, nullptr);
            keyClicks(input->findChild<QLineEdit*>(), QString::fromUtf8(c.typed));
            input->accept();
        });
        const std::string answer =
            dialogs.inputBox("Password Required!", "Dravik Hockey Simulator Client", "", true);
        EXPECT_EQ(answer, c.bytes) << c.codePage;
        TestEnv t;
        EXPECT_EQ(DigestStrToHexStr(t.env, answer), c.digest) << c.codePage;
    }
}

struct FilterCase {
    const char* filter;
    std::vector<QString> expected;
};

TEST(QtDialogs, FileFiltersAreRebuiltFromThePipeString) {
    const FilterCase cases[] = {
        {"ZELT Client File (*.zcl) |*.zcl|All Files (*.*) | *.*",
         {"ZELT Client File (*.zcl)", "All Files (*)"}},
        {"Lines|*.zln;*.ZLN", {"Lines (*.zln *.ZLN)"}},
        {"  Text  |  *.txt  |dangling", {"Text (*.txt)"}},
        {"|*.csv", {"*.csv"}},
        {"", {}},
    };
    for (const FilterCase& c : cases) {
        const QStringList got = fileDialogNameFilters(c.filter);
        EXPECT_EQ(std::vector<QString>(got.begin(), got.end()), c.expected) << c.filter;
    }
}

TEST(QtDialogs, TheFileDialogIsQtsOwnAndStartsInTheFolder) {
    qtApp();
    TempDir folder;
    writeFile(folder.file("Sample League.zcl"), "x");
    QtDialogs dialogs;
    bool native = true;
    QString directory;
    QStringList filters;
    whenDialogOpens([&](QWidget* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(files, nullptr);
        native = !files->testOption(QFileDialog::DontUseNativeDialog);
        directory = files->directory().absolutePath();
        filters = files->nameFilters();
        files->selectFile("Sample League.zcl");
        QMetaObject::invokeMethod(files, "accept");
    });
    OpenFileRequest request{folder.path().string(), "ZELT Client File (*.zcl) |*.zcl|All Files (*.*) | *.*",
                            4};
    const std::optional<std::string> chosen = dialogs.openFile(request);
    EXPECT_FALSE(native);
    EXPECT_EQ(directory, QDir(QString::fromStdString(folder.path().string())).absolutePath());
    EXPECT_EQ(filters, QStringList({"ZELT Client File (*.zcl)", "All Files (*)"}));
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, folder.file("Sample League.zcl"));

    whenDialogOpens([](QWidget* dialog) { qobject_cast<QFileDialog*>(dialog)->reject(); });
    EXPECT_FALSE(dialogs.openFile(request).has_value());
}

}  // namespace
}  // namespace dravik::test
