// SPDX-License-Identifier: Apache-2.0
#include "LogBenchRun.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QMenuBar>
#include <atomic>
#include <cstdio>
#include <random>
#include <thread>
#include <vector>

#include "BenchSupport.h"
#include "ObservedTcpTransport.h"
#include "WindowedConsole.h"
#include "ui/kit/WidgetLook.h"

namespace bench {

namespace {

// --- The GUI's response -------------------------------------------------------------------

class StampEvent : public QEvent {
  public:
    static QEvent::Type kind() {
        static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
        return type;
    }
    explicit StampEvent(double postedAt) : QEvent(kind()), postedAt(postedAt) {}
    double postedAt;
};

// Lives in the GUI thread; another thread posts to it at random intervals of 5 to 10 ms.
class ResponseProbe : public QObject {
  public:
    ~ResponseProbe() override { stop(); }

    void start() {
        poster_ = std::thread([this] {
            std::mt19937 random(12345);
            std::uniform_int_distribution<int> pause(5000, 10000);
            while (!stopping_) {
                QCoreApplication::postEvent(this, new StampEvent(nowMs()));
                std::this_thread::sleep_for(std::chrono::microseconds(pause(random)));
            }
        });
    }
    void stop() {
        stopping_ = true;
        if (poster_.joinable()) {
            poster_.join();
        }
    }

    bool recording = false;
    std::vector<double> delays;

  protected:
    bool event(QEvent* event) override {
        if (event->type() != StampEvent::kind()) {
            return QObject::event(event);
        }
        if (recording) {
            delays.push_back(nowMs() - static_cast<StampEvent*>(event)->postedAt);
        }
        return true;
    }

  private:
    std::thread poster_;
    std::atomic<bool> stopping_{false};
};

// --- The console's traffic ----------------------------------------------------------------

struct Traffic {
    bool recording = false;
    std::vector<double> querySends;
    std::vector<double> toDisplay;
    int arrivals = 0;
    int lines = 0;     // lines received
    int timeOuts = 0;  // poll queries left unanswered
    bool inArrival = false;
    bool displayChanged = false;
    double arrivalAt = 0;

    void sent(const QByteArray& bytes) {
        if (recording && bytes.endsWith("?\r\n")) {
            querySends.push_back(nowMs());
        }
    }
    void arrivalStarts() {
        arrivalAt = nowMs();
        inArrival = true;
        displayChanged = false;
        arrivals += recording ? 1 : 0;
    }
    void displayChange() {
        if (inArrival && !displayChanged) {
            displayChanged = true;
            if (recording) {
                toDisplay.push_back(nowMs() - arrivalAt);
            }
        }
    }
};

using Screen = WindowedConsole<ObservedTcpTransport>;

void observe(Screen& screen, Traffic& traffic) {
    screen.messages.keep = RecordedMessages::Keep::Count;
    screen.messages.echo = RecordedMessages::Echo::Stderr;
    screen.transport.onSend = [&traffic](const QByteArray& bytes) { traffic.sent(bytes); };
    screen.transport.onArrival = [&traffic] { traffic.arrivalStarts(); };
    QObject::connect(&screen.transport, &quven::LineTransport::received, &screen.transport,
                     [&traffic] { traffic.inArrival = false; });
    QObject::connect(&screen.console.channel, &quven::CommandChannel::blockReceived,
                     &screen.transport, [&traffic](const QString& block) {
                         traffic.lines +=
                             traffic.recording ? int(block.count(QLatin1Char('\n'))) : 0;
                     });
    QObject::connect(&screen.console.poll, &quven::PollCycle::replyTimedOut, &screen.transport,
                     [&traffic] { traffic.timeOuts += traffic.recording ? 1 : 0; });
    quven::PanelState* panel = &screen.console.panel;
    const auto change = [&traffic] { traffic.displayChange(); };
    QObject::connect(panel, &quven::PanelState::counterTextChanged, panel, change);
    QObject::connect(panel, &quven::PanelState::modeTextChanged, panel, change);
    QObject::connect(panel, &quven::PanelState::lampChanged, panel, change);
    QObject::connect(panel, &quven::PanelState::keyLitChanged, panel, change);
}

void openLogWindow(Screen& screen) {
    for (QAction* action : screen.main.menuBar()->actions()) {
        if (action->objectName() == QLatin1String("Menu_Log")) {
            action->trigger();
        }
    }
}

// VmRSS and VmHWM of /proc/self/status, in KiB.
std::pair<long, long> residentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    long rss = 0;
    long peak = 0;
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("VmRSS:")) {
                rss = line.mid(6).trimmed().split(' ').first().toLong();
            } else if (line.startsWith("VmHWM:")) {
                peak = line.mid(6).trimmed().split(' ').first().toLong();
            }
        }
    }
    return {rss, peak};
}

void printResult(const LogRunOptions& options, const Traffic& traffic, const ResponseProbe& gui,
                 const Usage& usage, const Screen& screen, qint64 logged) {
    const Summary period = summarize(intervals(traffic.querySends));
    const Summary display = summarize(traffic.toDisplay);
    const Summary response = summarize(gui.delays);
    const auto [rss, peak] = residentKiB();
    std::printf(
        "result log=%s period_mean=%.4f period_p99=%.4f display_n=%zu display_median=%.5f "
        "display_p99=%.5f gui_n=%zu gui_median=%.5f gui_p99=%.5f cpu=%.3f rss_kib=%ld "
        "peak_kib=%ld arrivals=%d lines=%d timeouts=%d logged=%lld rows=%d messages=%d\n",
        options.logOpen ? "open" : "closed", period.mean, period.p99, display.n, display.median,
        display.p99, response.n, response.median, response.p99, usage.percent(), rss, peak,
        traffic.arrivals, traffic.lines, traffic.timeOuts, static_cast<long long>(logged),
        screen.windows.logFrm() ? screen.windows.logFrm()->model().rowCount() : 0,
        screen.messages.count);
}

}  // namespace

int runLogConsole(int argc, char** argv, const LogRunOptions& options) {
    QApplication application(argc, argv);
    quven::useConsoleStyle(application);
    Screen screen(quven::IntervalTimer::Mode::Running);
    Traffic traffic;
    observe(screen, traffic);
    screen.main.show();
    if (options.logOpen) {
        openLogWindow(screen);
    }
    ResponseProbe gui;
    gui.start();
    QString error;
    if (!openSession(screen.console, screen.transport, options.port, &error)) {
        std::fprintf(stderr, "log_bench: %s\n", qPrintable(error));
        return 2;
    }
    screen.console.module.ScanRequest = 1;  // "+G": the counter moves, each reply changes it
    runEventLoop(options.warmupMs + kPollPeriodMs / 2);

    const qint64 loggedBefore = screen.console.log.next();
    traffic.recording = gui.recording = true;
    const Usage usage = measureWindow(options.durationMs);
    traffic.recording = gui.recording = false;
    gui.stop();
    printResult(options, traffic, gui, usage, screen, screen.console.log.next() - loggedBefore);
    std::fflush(stdout);
    const bool ok = screen.console.module.Connected && screen.messages.count == 0;
    screen.console.Timer2.setInterval(0);
    screen.transport.close();
    return ok ? 0 : 2;
}

}  // namespace bench
