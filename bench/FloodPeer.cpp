// SPDX-License-Identifier: Apache-2.0
#include "FloodPeer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QByteArray>
#include <chrono>
#include <cstdio>

#include "sim/ControllerModel.h"

namespace bench {

namespace {

using Clock = std::chrono::steady_clock;

int listenOnLoopback() {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof(address);
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
        ::listen(fd, 1) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        std::perror("flood peer");
        return -1;
    }
    std::printf("flood peer listening on 127.0.0.1:%d\n", ntohs(address.sin_port));
    std::fflush(stdout);
    return fd;
}

bool writeAll(int fd, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written =
            ::send(fd, bytes.constData() + done, bytes.size() - done, MSG_NOSIGNAL);
        if (written <= 0) {
            return false;
        }
        done += written;
    }
    return true;
}

// One console: its queries answered as they come, the flood in between. The console polls every
// 50 ms and reads any block that ends its wait as the answer; so the flood keeps clear of the
// answers, from 1 ms after one until 5 ms before the next query is due, and is that much denser
// to make its rate.
class Session {
  public:
    static constexpr auto kPollPeriod = std::chrono::milliseconds(50);
    static constexpr auto kQuietAfterAnswer = std::chrono::milliseconds(1);
    static constexpr auto kQuietBeforeQuery = std::chrono::milliseconds(5);

    Session(int fd, int linesPerSecond)
        : fd_(fd),
          spacing_(std::chrono::nanoseconds(
              1000000000LL * (kPollPeriod - kQuietAfterAnswer - kQuietBeforeQuery).count() /
              kPollPeriod.count() / linesPerSecond)) {}

    void serve() {
        const int one = 1;
        ::setsockopt(fd_, IPPROTO_TCP, TCP_NODELAY, &one, sizeof(one));
        Clock::time_point clock = Clock::now();
        while (true) {
            const Clock::time_point now = Clock::now();
            const bool flooding = now >= nextLine_ && now < floodEnd_;
            if (flooding) {
                if (!writeAll(fd_, "SRQ00\r\n")) {
                    return;
                }
                nextLine_ += spacing_;
            }
            const Clock::time_point wake = nextLine_ < floodEnd_ ? nextLine_ : now + kPollPeriod;
            const auto wait = std::chrono::duration_cast<std::chrono::nanoseconds>(
                std::max(Clock::duration::zero(), wake - Clock::now()));
            timespec timeout{time_t(wait.count() / 1000000000), long(wait.count() % 1000000000)};
            pollfd client{fd_, POLLIN, 0};
            if (::ppoll(&client, 1, &timeout, nullptr) > 0 && !answerQueries()) {
                return;
            }
            const auto elapsed =
                std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - clock);
            model_.advance(elapsed.count());
            clock += elapsed;
        }
    }

  private:
    bool answerQueries() {
        char buffer[4096];
        const ssize_t got = ::recv(fd_, buffer, sizeof(buffer), 0);
        if (got <= 0) {
            return false;
        }
        input_.append(buffer, got);
        qsizetype end = 0;
        while ((end = input_.indexOf('\n')) >= 0) {
            QByteArray line = input_.left(end);
            input_.remove(0, end + 1);
            if (line.endsWith('\r')) {
                line.chop(1);
            }
            const auto outcome = model_.execute(line);
            if (outcome.answer) {
                if (!writeAll(fd_, *outcome.answer + "\r\n")) {
                    return false;
                }
                const Clock::time_point answered = Clock::now();
                nextLine_ = answered + kQuietAfterAnswer;
                floodEnd_ = answered + kPollPeriod - kQuietBeforeQuery;
            }
        }
        return true;
    }

    int fd_;
    Clock::duration spacing_;
    Clock::time_point nextLine_;
    Clock::time_point floodEnd_;
    quven::sim::ControllerModel model_;
    QByteArray input_;
};

}  // namespace

int runFloodPeer(int linesPerSecond) {
    const int server = listenOnLoopback();
    if (server < 0 || linesPerSecond < 1) {
        return 2;
    }
    while (true) {
        const int client = ::accept4(server, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0) {
            continue;
        }
        Session(client, linesPerSecond).serve();
        ::close(client);
    }
}

}  // namespace bench
