// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QString>
#include <QStringList>

#include "tool/Tool.h"

// quven-table's logic run in this process, as the program runs it, with what it writes to
// standard output and standard error caught.
struct ToolRun {
    int status = -1;
    QByteArray out;
    QByteArray err;

    QString errText() const { return QString::fromLocal8Bit(err); }
    QString outText() const { return QString::fromLocal8Bit(out); }
};

inline ToolRun runTableTool(const QStringList& arguments) {
    QBuffer out;
    QBuffer err;
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    ToolRun run;
    run.status = quven::tool::runTool(arguments, {&out, &err, false});
    run.out = out.data();
    run.err = err.data();
    return run;
}

// The simulator's factory table as a table file: every position +0000000; each normal-mode row
// 10000/02000/00500, rate 05, T221; function mode m 05000/01000/00200, rate 03, T with axis m
// forward; limit stop LSSA (docs/SIMULATOR.md).
inline QByteArray factoryTableFile() {
    QByteArray line;
    for (int n = 0; n < 8; ++n) {
        line += "+0000000,10000,02000,00500,05,T221,";
    }
    for (int m = 0; m < 8; ++m) {
        QByteArray axes(8, '0');
        axes[m] = '1';
        line += "+0000000,05000,01000,00200,03,T" + axes + ",";
    }
    return line + "LSSA,\r\n";
}
