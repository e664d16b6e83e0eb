// SPDX-License-Identifier: Apache-2.0
#include "sim/SimServer.h"

#include <QTcpSocket>
#include <utility>

#include "sim/ControllerModel.h"

namespace quven::sim {

QString printable(const QByteArray& bytes) {
    QString text;
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F) {
            text += QLatin1Char(c);
        } else {
            text += QStringLiteral("\\x%1").arg(byte, 2, 16, QLatin1Char('0'));
        }
    }
    return text;
}

SimServer::SimServer(ControllerModel& model, const SimFaults& faults, QObject* parent)
    : QObject(parent), model_(model), faults_(faults), shaper_(faults_) {
    connect(&server_, &QTcpServer::newConnection, this, &SimServer::acceptClients);
    waitTimer_.setSingleShot(true);
    connect(&waitTimer_, &QTimer::timeout, this, &SimServer::refuseWaiting);
    connect(&shaper_, &ReplyShaper::drained, this, [this] {
        if (closing_ && client_) {
            client_->disconnectFromHost();
        }
    });
    clockTimer_.setTimerType(Qt::PreciseTimer);
    connect(&clockTimer_, &QTimer::timeout, this, &SimServer::tick);
    connect(&noticeTimer_, &QTimer::timeout, this, [this] {
        if (client_) {
            log(QStringLiteral("-> SRQ00"));
            shaper_.sendNotice("SRQ00");
        }
    });
}

SimServer::~SimServer() {
    // The client goes first, while the rest of the server still stands: closing it signals.
    if (client_) {
        client_->disconnect(this);
        delete client_.data();
    }
}

void SimServer::setLog(ReplyShaper::Log log) {
    log_ = log;
    shaper_.setLog(std::move(log));
}

void SimServer::log(const QString& text) const {
    if (log_) {
        log_(text);
    }
}

void SimServer::setFaults(const SimFaults& faults) {
    faults_ = faults;
    if (faults_.noticeEveryMs > 0 && server_.isListening()) {
        noticeTimer_.start(faults_.noticeEveryMs);
    } else {
        noticeTimer_.stop();
    }
}

bool SimServer::listen(const QHostAddress& address, quint16 port) {
    if (!server_.listen(address, port)) {
        return false;
    }
    clock_.start();
    if (ownClock_) {
        clockTimer_.start(kClockPeriodMs);
    }
    if (faults_.noticeEveryMs > 0) {
        noticeTimer_.start(faults_.noticeEveryMs);
    }
    return true;
}

void SimServer::close() {
    server_.close();
    clockTimer_.stop();
    noticeTimer_.stop();
}

void SimServer::acceptClients() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        if (!client_) {
            serve(socket);
        } else if (!waiting_) {
            waiting_ = socket;
            waitTimer_.start(kReconnectGraceMs);
        } else {
            log(QStringLiteral("refused a second client"));
            socket->abort();
            socket->deleteLater();
        }
    }
}

// The client being served did not go in time: the one waiting is a second client.
void SimServer::refuseWaiting() {
    if (waiting_) {
        log(QStringLiteral("refused a second client"));
        waiting_->abort();
        waiting_->deleteLater();
        waiting_.clear();
    }
}

void SimServer::serve(QTcpSocket* socket) {
    if (socket->state() != QAbstractSocket::ConnectedState) {
        socket->deleteLater();  // it gave up while it waited
        return;
    }
    client_ = socket;
    input_.clear();
    discardingLongLine_ = false;
    commandsHandled_ = 0;
    closing_ = false;
    shaper_.attach(socket);
    connect(socket, &QTcpSocket::readyRead, this, &SimServer::readClient);
    connect(socket, &QTcpSocket::disconnected, this, &SimServer::dropClient);
    log(QStringLiteral("client connected from ") + socket->peerAddress().toString());
    Q_EMIT clientConnected();
    if (socket->bytesAvailable() > 0) {
        // What a client that had to wait sent meanwhile.
        QMetaObject::invokeMethod(this, &SimServer::readClient, Qt::QueuedConnection);
    }
}

void SimServer::dropClient() {
    if (!client_) {
        return;
    }
    log(QStringLiteral("client disconnected"));
    client_->deleteLater();
    client_.clear();
    shaper_.attach(nullptr);
    Q_EMIT clientDisconnected();
    if (waiting_) {
        waitTimer_.stop();
        serve(std::exchange(waiting_, nullptr));
    }
}

void SimServer::readClient() {
    if (!client_) {
        return;
    }
    input_ += client_->readAll();
    int lineFeed;
    while (client_ && !closing_ && (lineFeed = input_.indexOf('\n')) >= 0) {
        QByteArray line = input_.left(lineFeed);
        input_.remove(0, lineFeed + 1);
        if (std::exchange(discardingLongLine_, false)) {
            continue;  // the end of a line that was too long
        }
        if (line.size() > kMaxLine) {
            log(QStringLiteral("discarded a line of %1 bytes").arg(line.size()));
            continue;
        }
        handleLine(std::move(line));
    }
    if (input_.size() > kMaxLine) {
        log(QStringLiteral("discarding a line longer than %1 bytes").arg(kMaxLine));
        input_.clear();
        discardingLongLine_ = true;
    }
}

void SimServer::handleLine(QByteArray line) {
    if (line.endsWith('\r')) {
        line.chop(1);
    }
    const ControllerModel::Outcome outcome = model_.execute(line);
    log(QStringLiteral("<- ") + printable(line) +
        (outcome.understood ? QString() : QStringLiteral("   (not understood)")));
    if (outcome.answer) {
        log(QStringLiteral("-> ") + printable(*outcome.answer));
        shaper_.sendAnswer(*outcome.answer);
    }
    Q_EMIT lineHandled(line);
    if (faults_.closeAfter > 0 && ++commandsHandled_ >= faults_.closeAfter) {
        log(QStringLiteral("closing the connection after %1 commands").arg(commandsHandled_));
        closing_ = true;
        shaper_.flushHeld();
        if (shaper_.idle() && client_) {
            client_->disconnectFromHost();
        }
    }
}

void SimServer::tick() {
    model_.advance(clock_.restart());
    sendNotices();
}

void SimServer::sendNotices() {
    for (const QByteArray& notice : model_.takeNotices()) {
        if (client_ && !closing_) {
            log(QStringLiteral("-> ") + printable(notice));
            shaper_.sendNotice(notice);
        }
    }
}

}  // namespace quven::sim
