// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "tool/ControllerAddress.h"

namespace quven::tool {

enum class Command { Read, Write, Verify, Diff, Show, Help, Version };

// What the command line asks for, checked: a command with what it works on and its options.
struct ToolOptions {
    Command command = Command::Help;
    QList<ControllerAddress> controllers;  // read, write, verify
    QString tableFile;                     // write, verify
    QStringList sources;                   // diff: two, show: one (a file or HOST[:PORT])
    QString output;                        // read: -o
    bool verify = false;                   // write: --verify
    bool strict = false;                   // write --verify, verify, diff
    bool json = false;                     // show, diff
    int jobs = 32;
    int readPaceMs = 20;   // 0: the next query as soon as a reply has been handled
    int writePaceMs = 30;  // one set command a tick
};

struct ParsedCommandLine {
    std::optional<ToolOptions> options;
    QString error;  // a usage error: what is wrong, in a sentence
};

// Reads the arguments after the program's name. Nothing is looked up or connected; a hosts
// file (--hosts) is read.
ParsedCommandLine parseCommandLine(const QStringList& arguments);

// The help text (`--help`): every command and option.
QString helpText();

}  // namespace quven::tool
