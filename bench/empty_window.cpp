// SPDX-License-Identifier: Apache-2.0
// empty_window: the baseline for the console's start-up figures. A QApplication on the Fusion
// style showing one empty QMainWindow of the console's size, measured by the same StartupProbe
// as console_startup: the time to its first painted frame, and its resident memory once shown
// and idle. It links Qt Widgets and the probe only.
//
// The size is QUVEN_BENCH_WINDOW_SIZE ("WxH"; startup_bench passes the size the console's
// window reported), by default that of the control screen on the offscreen platform.

#include <QApplication>
#include <QMainWindow>
#include <QStringList>
#include <QStyleFactory>

#include "StartupProbe.h"

namespace {

QSize windowSize() {
    const QStringList parts =
        qEnvironmentVariable("QUVEN_BENCH_WINDOW_SIZE").split(QLatin1Char('x'));
    bool widthOk = false;
    bool heightOk = false;
    const int width = parts.value(0).toInt(&widthOk);
    const int height = parts.value(1).toInt(&heightOk);
    if (parts.size() == 2 && widthOk && heightOk && width > 0 && height > 0) {
        return {width, height};
    }
    return {560, 471};
}

}  // namespace

int main(int argc, char* argv[]) {
    bench::StartupProbe probe;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("empty_window"));
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        QApplication::setStyle(fusion);
    }

    QMainWindow window;
    window.setFixedSize(windowSize());
    window.show();
    probe.watch(&window);
    return QApplication::exec();
}
