// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QObject>
#include <QString>

#include "core/Module1.h"

namespace quven {

class CommandChannel;
class PanelState;
class ReceiveDisplay;

// The control screen's command buttons and selectors. Jog, stop and the speed range are sent at
// once; preset, "REL", "ABS", the scans and the keypad only leave a request that the next poll
// tick serves. The set-data box and the mode selector are read only when "Start" or "Preset"
// builds its command.
class OperatorCommands : public QObject {
    Q_OBJECT
  public:
    // `Option1`: the mode selector's buttons by index.
    enum ModeOption { PlusScan = 0, Rel = 1, Abs = 2, MinusScan = 3 };
    // `Ctr`: the command buttons by index.
    enum CtrButton { Res = 0, Preset = 4, Start = 5, Stop = 6 };

    OperatorCommands(Module1& module, CommandChannel& channel, PanelState& panel,
                     ReceiveDisplay& receiveDisplay, QObject* parent = nullptr);

    QString setDataText() const { return setDataText_; }
    void setSetDataText(const QString& text);
    int modeOption() const { return modeOption_; }
    void setModeOption(int option);

    // The set data as the controller takes it: the number at the start of the box's text (as
    // typed numbers are read everywhere: blanks skipped, reading stops at the first character
    // that cannot continue it, no number at all is 0), rounded to a whole number with a half
    // away from zero, then "+" or "-" and at least seven digits. So "12abc" sends +0000012 and
    // an empty box or "abc" sends +0000000: never a move the operator did not type digits for.
    QString FormatSetData() const;

    void Command6_Click();  // "+": CW jog
    void Command7_Click();  // "-": CCW jog
    // Speed option H, M or L chosen by the operator: sends its range at once. A selection made
    // by a controller reply is a display update and sends nothing.
    void Option2_Click(int option);
    void Ctr_Click(int button);    // "RES", "Preset", "Start", "Stop"
    void Command3_Click(int key);  // keypad key 0-9
    void Command2_Click();         // "CLR": empties the receive display

  Q_SIGNALS:
    void setDataTextChanged(const QString& text);
    void modeOptionChanged(int option);

  private:
    void Start_Click();

    Module1& module_;
    CommandChannel& channel_;
    PanelState& panel_;
    ReceiveDisplay& receiveDisplay_;
    QString setDataText_ = QStringLiteral("-0012345");
    int modeOption_ = Rel;
};

}  // namespace quven
