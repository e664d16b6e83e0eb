// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

namespace quven::tool {

// Where the tool writes: standard output for what a command produces (a table file, the grid,
// JSON, differences), standard error for messages and, unless told otherwise, the summary.
struct ToolStreams {
    QIODevice* out;
    QIODevice* err;
    bool errIsTerminal = false;  // a progress line is kept there while controllers are served
};

// Everything the tool writes goes through here, so that a progress line on a terminal is
// wiped before any other line is written, and written again after it.
class Reporter {
  public:
    explicit Reporter(const ToolStreams& streams) : streams_(streams) {}

    // Bytes on standard output exactly as given (a table file is Latin-1).
    // False when standard output did not take every byte (a full disk, a closed pipe).
    bool data(const QByteArray& bytes);
    // Whether anything meant for standard output was lost.
    bool outputLost() const { return outputLost_; }
    // Text for a person on standard output, in the local encoding.
    void text(const QString& text);
    // "quven-table: <text>" on standard error.
    void message(const QString& text);
    // A summary line: on standard error, or on standard output once summaryToOutput is set.
    void summary(const QString& line);
    void setSummaryToOutput(bool toOutput) { summaryToOutput_ = toOutput; }

    bool showsProgress() const { return streams_.errIsTerminal; }
    // Replaces the progress line (a terminal only).
    void progress(const QString& line);
    void clearProgress();

  private:
    bool write(QIODevice* device, const QByteArray& bytes);

    ToolStreams streams_;
    bool summaryToOutput_ = false;
    bool outputLost_ = false;
    QString progress_;
};

}  // namespace quven::tool
