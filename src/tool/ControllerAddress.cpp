// SPDX-License-Identifier: Apache-2.0
#include "tool/ControllerAddress.h"

#include <QHostAddress>
#include <algorithm>

#include "core/TextFile.h"

namespace quven::tool {

namespace {

// A hosts file of a whole plant is a few kilobytes; a far larger file is not one.
constexpr qint64 kMaxHostsFileSize = 16 * 1024 * 1024;

bool isHostNameCharacter(QChar c) {
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
           (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('-') ||
           c == QLatin1Char('.') || c == QLatin1Char('_');
}

bool isHostName(const QString& host) {
    return std::all_of(host.begin(), host.end(), isHostNameCharacter);
}

bool isIpv6Address(const QString& host) {
    const QHostAddress address(host);
    return address.protocol() == QAbstractSocket::IPv6Protocol;
}

QString portError(const QString& port) {
    return QStringLiteral("the port \"%1\" is not a whole number from 1 to 65535").arg(port);
}

std::optional<int> portNumber(const QString& text) {
    if (text.isEmpty() || text.size() > 5 || !std::all_of(text.begin(), text.end(), [](QChar c) {
            return c.unicode() < 128 && c.isDigit();
        })) {
        return std::nullopt;
    }
    const int port = text.toInt();
    if (port < 1 || port > 65535) {
        return std::nullopt;
    }
    return port;
}

ParsedAddress failure(const QString& error) {
    return {std::nullopt, error};
}

// "HOST" and the text after its colon, or the whole text and nothing.
struct Split {
    QString host;
    std::optional<QString> port;
    QString error;
    bool bracketed = false;
};

Split splitAddress(const QString& text) {
    if (text.startsWith(QLatin1Char('['))) {
        const int close = text.indexOf(QLatin1Char(']'));
        if (close < 0) {
            return {QString(), std::nullopt, QStringLiteral("the \"[\" is not closed")};
        }
        const QString rest = text.mid(close + 1);
        if (!rest.isEmpty() && !rest.startsWith(QLatin1Char(':'))) {
            return {QString(), std::nullopt, QStringLiteral("only \":PORT\" may follow \"]\"")};
        }
        return {text.mid(1, close - 1),
                rest.isEmpty() ? std::nullopt : std::optional<QString>(rest.mid(1)), QString(),
                true};
    }
    if (text.count(QLatin1Char(':')) > 1) {
        return {text, std::nullopt, QString()};  // an IPv6 address without a port
    }
    const int colon = text.indexOf(QLatin1Char(':'));
    if (colon < 0) {
        return {text, std::nullopt, QString()};
    }
    return {text.left(colon), text.mid(colon + 1), QString()};
}

}  // namespace

QString ControllerAddress::text() const {
    const QString shown =
        host.contains(QLatin1Char(':')) ? QLatin1Char('[') + host + QLatin1Char(']') : host;
    return shown + QLatin1Char(':') + QString::number(port);
}

QString ControllerAddress::fileName() const {
    QString name = host;
    name.replace(QLatin1Char(':'), QLatin1Char('-')).replace(QLatin1Char('%'), QLatin1Char('-'));
    return name + QLatin1Char('_') + QString::number(port) + QStringLiteral(".txt");
}

ParsedAddress parseAddress(const QString& text) {
    const Split split = splitAddress(text);
    if (!split.error.isEmpty()) {
        return failure(split.error);
    }
    if (split.host.isEmpty()) {
        return failure(QStringLiteral("no host is named"));
    }
    const bool ipv6 = split.bracketed || split.host.contains(QLatin1Char(':'));
    if (ipv6 ? !isIpv6Address(split.host) : !isHostName(split.host)) {
        return failure(
            QStringLiteral("\"%1\" is not a host name or an IP address").arg(split.host));
    }
    ControllerAddress address{split.host, kDefaultPort};
    if (split.port) {
        const std::optional<int> port = portNumber(*split.port);
        if (!port) {
            return failure(portError(*split.port));
        }
        address.port = *port;
    }
    return {address, QString()};
}

namespace {

// Adds the address read from text, or says why it cannot; `where` names its place.
bool addController(ControllerList& list, const QString& text, const QString& where) {
    const ParsedAddress parsed = parseAddress(text);
    if (!parsed.address) {
        list.error = QStringLiteral("%1\"%2\": %3").arg(where, text, parsed.error);
        return false;
    }
    if (list.addresses.contains(*parsed.address)) {
        list.error = QStringLiteral("%1%2 is named twice").arg(where, parsed.address->text());
        return false;
    }
    list.addresses.append(*parsed.address);
    return true;
}

bool addHostsFile(ControllerList& list, const QString& path) {
    const FileContent file = readRegularFile(path, kMaxHostsFileSize);
    if (!file.error.isEmpty()) {
        list.error = QStringLiteral("cannot read the hosts file %1: %2").arg(path, file.error);
        return false;
    }
    const QStringList lines =
        QString::fromLatin1(withoutByteOrderMark(file.bytes)).split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines.at(i);
        const int comment = line.indexOf(QLatin1Char('#'));
        if (comment >= 0) {
            line.truncate(comment);
        }
        line = line.trimmed();
        if (!line.isEmpty() &&
            !addController(list, line, QStringLiteral("%1, line %2: ").arg(path).arg(i + 1))) {
            return false;
        }
    }
    return true;
}

}  // namespace

ControllerList collectControllers(const QStringList& named, const QString& hostsFile) {
    ControllerList list;
    for (const QString& text : named) {
        if (!addController(list, text, QString())) {
            return list;
        }
    }
    if (!hostsFile.isEmpty()) {
        addHostsFile(list, hostsFile);
    }
    return list;
}

}  // namespace quven::tool
