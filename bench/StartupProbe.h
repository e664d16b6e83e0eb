// SPDX-License-Identifier: Apache-2.0
#pragma once

// How the start-up programs (empty_window and console_startup) measure themselves, the same way
// for both: it depends on Qt Widgets only, so that the empty window carries nothing of the
// console.
//
// Times are taken on CLOCK_MONOTONIC, which every process on the machine shares. The program
// that starts the process (startup_bench) puts the clock reading it took just before the start
// in the environment variable QUVEN_BENCH_SPAWN_NS; times are counted from there. Run by hand,
// without the variable, they are counted from main() entry. Noted:
//  - main: main() entry (the dynamic loading and static initialisation before it);
//  - exposed: the window's first expose event that finds it exposed;
//  - paint: the first paint event of the top-level widget (its first frame starts);
//  - frame: the first moment after that paint's event has been handled in full (every child
//    painted and the frame flushed to the window system): a zero-time timer set from the
//    paint;
//  - rss: VmRSS from /proc/self/status once the window has been shown and idle for
//    QUVEN_BENCH_IDLE_MS milliseconds (500 by default) after the first frame.
// Then one line goes to stdout and the application quits:
//   startup: from=spawn main=4.10 exposed=80.2 paint=80.3 frame=95.1 rss-kib=45120
//            size=560x472 platform=offscreen
// (one line, times in milliseconds).

#include <QObject>

class QWidget;

namespace bench {

class StartupProbe : public QObject {
  public:
    // Made first thing in main(), before the QApplication: it notes main() entry.
    StartupProbe();

    // Watches the shown top-level window; quits the application once the figures are taken.
    void watch(QWidget* window);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    double sinceOriginMs() const;
    void framePainted();
    void report();

    long long originNs_ = 0;
    bool fromSpawn_ = false;
    double mainMs_ = 0;
    double exposedMs_ = -1;
    double paintMs_ = -1;
    double frameMs_ = -1;
    int idleMs_ = 500;
    QWidget* window_ = nullptr;
};

}  // namespace bench
