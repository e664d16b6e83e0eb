// SPDX-License-Identifier: Apache-2.0
#include "StartupProbe.h"

#include <time.h>

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>

namespace bench {

namespace {

long long monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// VmRSS from /proc/self/status, in KiB; -1 when it cannot be read.
long long residentKib() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            // "VmRSS:	   45120 kB"
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
        }
    }
    return -1;
}

}  // namespace

StartupProbe::StartupProbe() {
    const long long mainNs = monotonicNs();
    bool ok = false;
    const long long spawnNs = qEnvironmentVariable("QUVEN_BENCH_SPAWN_NS").toLongLong(&ok);
    fromSpawn_ = ok && spawnNs > 0 && spawnNs <= mainNs;
    originNs_ = fromSpawn_ ? spawnNs : mainNs;
    mainMs_ = static_cast<double>(mainNs - originNs_) / 1e6;
    const int idle = qEnvironmentVariableIntValue("QUVEN_BENCH_IDLE_MS", &ok);
    if (ok && idle >= 0) {
        idleMs_ = idle;
    }
}

double StartupProbe::sinceOriginMs() const {
    return static_cast<double>(monotonicNs() - originNs_) / 1e6;
}

void StartupProbe::watch(QWidget* window) {
    window_ = window;
    window->installEventFilter(this);
    // The platform window exists once the widget has been shown; its first expose comes from
    // the event loop.
    if (QWindow* handle = window->windowHandle()) {
        handle->installEventFilter(this);
    }
}

bool StartupProbe::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Expose && exposedMs_ < 0 && watched->isWindowType() &&
        static_cast<QWindow*>(watched)->isExposed()) {
        exposedMs_ = sinceOriginMs();
    } else if (event->type() == QEvent::Paint && watched == window_ && paintMs_ < 0) {
        paintMs_ = sinceOriginMs();
        // Runs once the event being handled now (the expose or update that paints the whole
        // frame) has been handled in full.
        QTimer::singleShot(0, this, [this] { framePainted(); });
    }
    return QObject::eventFilter(watched, event);
}

void StartupProbe::framePainted() {
    frameMs_ = sinceOriginMs();
    QTimer::singleShot(idleMs_, this, [this] { report(); });
}

void StartupProbe::report() {
    std::printf(
        "startup: from=%s main=%.2f exposed=%.2f paint=%.2f frame=%.2f rss-kib=%lld size=%dx%d "
        "platform=%s\n",
        fromSpawn_ ? "spawn" : "main", mainMs_, exposedMs_, paintMs_, frameMs_, residentKib(),
        window_->width(), window_->height(), qPrintable(QGuiApplication::platformName()));
    std::fflush(stdout);
    QCoreApplication::exit(0);
}

}  // namespace bench
