#pragma once

#include <QRandomGenerator>
#include <QTcpServer>

// The connect dialog takes ports up to 32767 only, while the system hands out free ports above
// that. Tests that connect through the dialog listen on a free port of their own below it,
// always on 127.0.0.1: listen(port) is tried from a random start until one is free.
template <typename Listen>
bool listenOnDialogPort(Listen listen) {
    constexpr int kFirst = 20000;
    constexpr int kLast = 32767;
    const int start = QRandomGenerator::global()->bounded(kFirst, kLast + 1);
    for (int i = 0; i <= kLast - kFirst; ++i) {
        const int port = kFirst + (start - kFirst + i) % (kLast - kFirst + 1);
        if (listen(static_cast<quint16>(port))) {
            return true;
        }
    }
    return false;
}

inline bool listenOnDialogPort(QTcpServer& server) {
    return listenOnDialogPort(
        [&server](quint16 port) { return server.listen(QHostAddress::LocalHost, port); });
}
