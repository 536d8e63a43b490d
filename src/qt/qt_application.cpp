#include "qt/qt_application.h"

#include <QApplication>
#include <QEventLoop>
#include <QFont>
#include <QScreen>
#include <QStyleFactory>
#include <QThread>
#include <cmath>

namespace dravik {
namespace {

double logicalDpi() {
    QScreen* screen = QGuiApplication::primaryScreen();
    double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    return dpi > 0 ? dpi : 96.0;
}

}  // namespace

void setUpApplication(QApplication& app) {
    if (QStyle* fusion = QStyleFactory::create("Fusion")) QApplication::setStyle(fusion);
    QFont font("DejaVu Sans");
    font.setStyleHint(QFont::SansSerif);
    // 11 pixels at 96 dpi: the line fits the 17-pixel (255-twip) labels and boxes.
    font.setPixelSize(static_cast<int>(std::lround(11.0 * logicalDpi() / 96.0)));
    QApplication::setFont(font);
    app.setQuitOnLastWindowClosed(false);
}

double twipsPerPixel() { return 1440.0 / logicalDpi(); }

FormManager::Screen screenInTwips() {
    FormManager::Screen s;
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const double tpp = twipsPerPixel();
        s.width = static_cast<int>(std::lround(screen->geometry().width() * tpp));
        s.height = static_cast<int>(std::lround(screen->geometry().height() * tpp));
    }
    return s;
}

std::function<void()> waitPump() {
    return [] {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(5);
    };
}

}  // namespace dravik
