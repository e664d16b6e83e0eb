// SPDX-License-Identifier: Apache-2.0
#pragma once

// What fleet_bench needs besides bench/BenchSupport: a plant of simulated controllers as one
// quven-sim process, a program run as a child whose own time, CPU time and peak memory are
// measured, and the floor of a table read over the loopback.

#include <QString>
#include <QStringList>
#include "BenchSupport.h"

namespace bench {

// quven-sim --count N on 127.0.0.1, the first of its consecutive ports chosen by itself.
class SimulatedPlant {
  public:
    bool start(const QString& program, int count, QString* error);

    int firstPort() const { return simulator_.port(); }
    // "127.0.0.1:<port>" of each controller, one a line, for --hosts.
    QByteArray hostsFile() const;

  private:
    Simulator simulator_;
    int count_ = 0;
};

// A finished child: its exit status, its wall time, and what the system counted for it alone.
struct ChildRun {
    bool ran = false;
    int exitStatus = -1;
    double wallMs = 0;
    double cpuMs = 0;  // user and system
    long peakRssKb = 0;
};

// Runs the program to its end, its standard output and error into files.
ChildRun runChild(const QString& program, const QStringList& arguments, const QString& outPath,
                  const QString& errPath);

// The time a bare client takes to connect to 127.0.0.1:port and ask the 49 queries of a table
// read one after the other, each as soon as the answer before it is in: the least any read of
// a table over the loopback can take. Negative when a query is not answered.
double loopbackReadFloorMs(int port);

}  // namespace bench
