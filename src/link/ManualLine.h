// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QObject>
#include <QString>

#include "core/Module1.h"
#include "link/ManualHistory.h"

namespace quven {

class MessageSeam;

// The manual command box `Text2`: the operator types any command and presses Enter. The box
// only marks the command as waiting (ManualCommandPending); the poll tick sends it, so that it
// never overlaps a poll query whose reply is awaited. Line breaks are CR LF, as the box holds
// them; the widget converts its own.
class ManualLine : public QObject {
    Q_OBJECT
  public:
    ManualLine(Module1& module, MessageSeam& messages, QObject* parent = nullptr);

    QString text() const { return text_; }
    int caret() const { return caret_; }

    // A change of the box's text, typed, pasted or made by the program; caret is where the
    // cursor stands after it. Runs the change rule: with no session, "Not connected !" on every
    // change (the change stays); otherwise the line breaks are taken out, the caret goes to the
    // end and the command is marked for sending. Taking them out is itself one change, so
    // pasted lines are all joined into one and the command is marked once.
    void setText(const QString& text, int caret);

    // The command as it goes out now (the box keeps it); it joins the history.
    QString commandToSend();
    // Up and Down in the box: the lines sent before, as if the operator had typed them.
    void recallOlder();
    void recallNewer();
    const ManualHistory& history() const { return history_; }

  Q_SIGNALS:
    // The box's content as the rule left it; the widget follows.
    void changed(const QString& text, int caret);

  private:
    void Text2_Change();
    void recall(const std::optional<QString>& line);

    Module1& module_;
    MessageSeam& messages_;
    QString text_;
    int caret_ = 0;
    ManualHistory history_;
    bool recalling_ = false;
};

}  // namespace quven
