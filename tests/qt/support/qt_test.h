#pragma once
// Qt tests run offscreen: one QApplication for the test program, set up
// like the real program's, and user input sent to widgets as events.

#include <QApplication>
#include <QPoint>
#include <QString>
#include <functional>

class QTimer;
class QWidget;

namespace dravik::test {

// The program's QApplication (offscreen platform), created once.
QApplication& qtApp();

// Mouse and keyboard input, delivered through the application so that the
// backend's event filters see it as they see a user's.
void mousePress(QWidget* w, QPoint at, Qt::KeyboardModifiers mods = Qt::NoModifier);
void mouseRelease(QWidget* w, QPoint at, Qt::KeyboardModifiers mods = Qt::NoModifier);
void mouseClick(QWidget* w, QPoint at, Qt::KeyboardModifiers mods = Qt::NoModifier);
void mouseClick(QWidget* w);  // at its centre
void mouseDoubleClick(QWidget* w, QPoint at);
void keyClick(QWidget* w, int key, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString& text = {});
void keyClicks(QWidget* w, const QString& text);

// Runs `act` on the next modal dialog as soon as it is open (the dialog is
// given as the active modal widget). The answer runs from a timer inside
// the dialog's own event loop.
void whenDialogOpens(std::function<void(QWidget* dialog)> act);

// Answers every modal dialog opened while it lives, each once, and counts
// them: a test that expects one box cannot hang on a second.
class DialogAnswerer {
public:
    explicit DialogAnswerer(std::function<void(QWidget* dialog)> act);
    ~DialogAnswerer();
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;
    int count() const { return count_; }

private:
    QTimer* timer_;
    int count_ = 0;
};

// Lets pending events run.
void settle();

}  // namespace dravik::test
