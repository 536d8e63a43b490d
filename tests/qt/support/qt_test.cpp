#include "qt_test.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "qt/qt_application.h"

namespace dravik::test {

QApplication& qtApp() {
    static int argc = 1;
    static char name[] = "qt_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        auto* a = new QApplication(argc, argv);
        setUpApplication(*a);
        return a;
    }();
    return *app;
}

namespace {

void sendMouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButtons buttons,
               Qt::KeyboardModifiers mods) {
    QMouseEvent e(type, QPointF(at), QPointF(w->mapToGlobal(at)), Qt::LeftButton, buttons, mods);
    QApplication::sendEvent(w, &e);
}

}  // namespace

void mousePress(QWidget* w, QPoint at, Qt::KeyboardModifiers mods) {
    sendMouse(w, QEvent::MouseButtonPress, at, Qt::LeftButton, mods);
}

void mouseRelease(QWidget* w, QPoint at, Qt::KeyboardModifiers mods) {
    sendMouse(w, QEvent::MouseButtonRelease, at, Qt::NoButton, mods);
}

void mouseClick(QWidget* w, QPoint at, Qt::KeyboardModifiers mods) {
    QPointer<QWidget> guard(w);
    mousePress(w, at, mods);
    if (guard) mouseRelease(w, at, mods);
}

void mouseClick(QWidget* w) { mouseClick(w, w->rect().center()); }

void mouseDoubleClick(QWidget* w, QPoint at) {
    QPointer<QWidget> guard(w);
    mouseClick(w, at);
    if (guard) sendMouse(w, QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::NoModifier);
    if (guard) mouseRelease(w, at);
}

void keyClick(QWidget* w, int key, Qt::KeyboardModifiers mods, const QString& text) {
    QPointer<QWidget> guard(w);
    QKeyEvent press(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(w, &press);
    if (!guard) return;
    QKeyEvent release(QEvent::KeyRelease, key, mods, text);
    QApplication::sendEvent(w, &release);
}

void keyClicks(QWidget* w, const QString& text) {
    for (QChar ch : text) {
        const int key = ch.isLetter() ? Qt::Key_A + (ch.toUpper().unicode() - 'A') : ch.unicode();
        keyClick(w, key, Qt::NoModifier, QString(ch));
    }
}

void whenDialogOpens(std::function<void(QWidget*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act = std::move(act)] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog || !dialog->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        act(dialog);
    });
    timer->start();
}

DialogAnswerer::DialogAnswerer(std::function<void(QWidget*)> act) : timer_(new QTimer) {
    timer_->setInterval(5);
    QObject::connect(timer_, &QTimer::timeout,
                     [this, act = std::move(act), last = QPointer<QWidget>()]() mutable {
                         QWidget* dialog = QApplication::activeModalWidget();
                         if (!dialog || !dialog->isVisible() || dialog == last) return;
                         last = dialog;
                         ++count_;
                         act(dialog);
                     });
    timer_->start();
}

DialogAnswerer::~DialogAnswerer() { delete timer_; }

void settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

}  // namespace dravik::test
