// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QList>
#include <QString>
#include <optional>

#include "core/ControllerPort.h"

namespace quven::tool {

// The port a controller listens on unless its address names another.
constexpr int kDefaultPort = kControllerPort;

// A controller as the command line names it: HOST[:PORT], where HOST is a host name, an IPv4
// address, or an IPv6 address in brackets ("[::1]:7777"; without a port the brackets may be left
// off).
struct ControllerAddress {
    QString host;  // as given, without brackets
    int port = kDefaultPort;

    // "127.0.0.1:7777", "[::1]:7777".
    QString text() const;
    // The file a read of several controllers saves this one's table to: "127.0.0.1_7777.txt";
    // the colons of an IPv6 address (and the % of its zone) become "-": "--1_7777.txt".
    QString fileName() const;

    bool operator==(const ControllerAddress& other) const {
        return host.compare(other.host, Qt::CaseInsensitive) == 0 && port == other.port;
    }
};

struct ParsedAddress {
    std::optional<ControllerAddress> address;
    QString error;  // why the text names no controller
};

// Reads HOST[:PORT]. Refused: an empty host, a port that is not a whole number from 1 to 65535,
// and a host with characters no host name or address holds. Nothing is looked up.
ParsedAddress parseAddress(const QString& text);

struct ControllerList {
    QList<ControllerAddress> addresses;
    QString error;  // the first address that could not be read, or one named twice
};

// The controllers named on the command line, then those of a hosts file (when hostsFile is not
// empty): one HOST[:PORT] a line, blanks around it ignored, "#" starting a comment. Each
// controller may be named once only.
ControllerList collectControllers(const QStringList& named, const QString& hostsFile);

}  // namespace quven::tool
