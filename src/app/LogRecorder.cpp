// SPDX-License-Identifier: Apache-2.0
#include "app/LogRecorder.h"

#include "app/Console.h"
#include "core/CommandSet.h"
#include "link/CommunicationLog.h"
#include "table/TableItems.h"
#include "table/TableScreen.h"

namespace quven::logrecorder {

namespace {

QString quoted(const QString& line) {
    return QLatin1Char('"') + commands::escapedText(line) + QLatin1Char('"');
}

void recordTraffic(Console& console) {
    CommunicationLog& log = console.log;
    QObject::connect(&console.channel, &CommandChannel::lineSent, &log, &CommunicationLog::addSent);
    QObject::connect(&console.channel, &CommandChannel::blockReceived, &log,
                     &CommunicationLog::addReceived);
    QObject::connect(&console.channel, &CommandChannel::lineRefused, &log,
                     [&log](const QString& line) {
                         log.addEvent(QStringLiteral("Not sent, no connection: ") + quoted(line));
                     });
    QObject::connect(&console.channel, &CommandChannel::receivedTextDropped, &log,
                     [&log](int characters) {
                         log.addEvent(QStringLiteral("%1 characters without a line end "
                                                     "received: dropped")
                                          .arg(characters));
                     });
}

void recordSession(Console& console) {
    CommunicationLog& log = console.log;
    Session& session = console.session;
    QObject::connect(
        &session, &Session::sessionOpened, &log, [&log](const QString& host, int port) {
            log.addEvent(QStringLiteral("Session opened: host %1, port %2").arg(host).arg(port));
        });
    QObject::connect(&session, &Session::connectRefused, &log,
                     [&log](const QString& host, const QString& port) {
                         log.addEvent(QStringLiteral("Connect refused: host %1, port %2")
                                          .arg(quoted(host), quoted(port)));
                     });
    QObject::connect(&session, &Session::sessionClosed, &log,
                     [&log] { log.addEvent(QStringLiteral("Session closed (Disconnect)")); });
    QObject::connect(&session, &Session::sessionDropped, &log, [&log] {
        log.addEvent(QStringLiteral("Session dropped: a command found no connection"));
    });
}

void recordPoll(Console& console) {
    CommunicationLog& log = console.log;
    const CommandChannel& channel = console.channel;
    QObject::connect(&console.poll, &PollCycle::replyTimedOut, &log, [&log, &channel] {
        log.addEvent(QStringLiteral("No answer in time to ") + quoted(channel.awaitedLine()) +
                     QStringLiteral(": the poll goes on"));
    });
    QObject::connect(&console.dispatcher, &ReplyDispatcher::serviceRequestNoticed, &log,
                     [&log](const QString& notice) {
                         log.addEvent(QStringLiteral("Notice: ") + commands::escapedText(notice));
                     });
}

QString unreadCount(int unreadItems) {
    return QStringLiteral("%1 of the %2 items not read").arg(unreadItems).arg(tableitems::kCount);
}

}  // namespace

void recordConsole(Console& console) {
    recordTraffic(console);
    recordSession(console);
    recordPoll(console);
}

void recordTableScreen(TableScreen& screen, CommunicationLog& log) {
    const auto event = [&log](const char* text) {
        return [&log, text] { log.addEvent(QLatin1String(text)); };
    };
    QObject::connect(&screen, &TableScreen::readStarted, &log, event("Data Read started"));
    QObject::connect(&screen, &TableScreen::readFinished, &log, [&log](int unreadItems) {
        log.addEvent(unreadItems == 0
                         ? QStringLiteral("Data Read finished")
                         : QStringLiteral("Data Read incomplete: ") + unreadCount(unreadItems));
    });
    QObject::connect(&screen, &TableScreen::readStopped, &log, [&log](int unreadItems) {
        log.addEvent(QStringLiteral("Data Read stopped: ") + unreadCount(unreadItems));
    });
    QObject::connect(
        &screen, &TableScreen::readTimedOut, &log, [&log](const QString& query, bool givenUp) {
            log.addEvent(QStringLiteral("Data Read: no answer in time to ") + quoted(query) +
                         (givenUp ? QStringLiteral(": the rest of its group is "
                                                   "skipped")
                                  : QStringLiteral(": asked again")));
        });
    QObject::connect(&screen, &TableScreen::writeStarted, &log, event("Data Write started"));
    QObject::connect(&screen, &TableScreen::writeFinished, &log, event("Data Write finished"));
    QObject::connect(&screen, &TableScreen::writeStopped, &log, event("Data Write stopped"));
}

}  // namespace quven::logrecorder
