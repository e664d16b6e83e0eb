// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QByteArray>
#include <QList>
#include <array>
#include <optional>

#include "sim/SettingStore.h"

namespace quven::sim {

// The QUVEN-01 as the console sees it, with no I/O: eight axes with position counters and
// limit switches, the control mode, the speed range, the firmware version and the setting
// table. Time passes only through advance(), so what it does is the same on every run.
//
// How it answers:
//  - A query (a line ending in "?") always gets exactly one answer line. A query it does not
//    know, or one naming a row digit outside 0-7, is answered "ERR".
//  - Every other line is an action and is never answered: motion, speed range, keypad and set
//    commands. The console reads any block that ends a wait as the answer to its current query,
//    so an answer to an action would show up in the wrong display; a keypad command therefore
//    ends the console's wait by its time-out. An action it does not know, or one with a
//    malformed argument, changes nothing.
//  - An empty line is ignored.
//  - Notices ("SRQ01" when a move has reached its target, "SRQ02" when an axis has stopped at
//    a limit switch) are produced by advance() and collected with takeNotices(), unless they
//    are switched off.
class ControllerModel {
  public:
    static constexpr int kAxes = 8;
    // The travel of every axis, in pulses either side of the machine's zero; at its end the
    // axis's limit switch closes and motion in that direction stops.
    static constexpr qint64 kTravel = 100000;
    static inline const QByteArray kVersion = "QUVEN01 V1.20";

    struct Outcome {
        std::optional<QByteArray> answer;  // the answer line without its line end
        bool understood = true;            // false: unknown or malformed, nothing changed
    };

    ControllerModel();

    // One command line, its line end already taken off.
    Outcome execute(const QByteArray& line);
    // Lets ms milliseconds of motion pass.
    void advance(qint64 ms);
    QList<QByteArray> takeNotices();
    void setServiceRequests(bool on) { serviceRequests_ = on; }

    bool normalMode() const { return normalMode_; }
    int functionMode() const { return functionMode_; }
    bool axisActive(int axis) const { return axes_.at(axis).active; }
    char speedRange() const { return speedRange_; }
    qint64 counter(int axis) const;
    bool clockwiseLimit(int axis) const { return axes_.at(axis).physical >= kTravel; }
    bool counterClockwiseLimit(int axis) const { return axes_.at(axis).physical <= -kTravel; }
    bool moving() const;
    const SettingStore& settings() const { return settings_; }

  private:
    enum class Motion { None, Scan, Move };
    struct Axis {
        qint64 physical = 0;  // pulses from the machine's zero
        qint64 offset = 0;    // counter = physical - offset
        bool active = false;  // normal-mode flag
        Motion motion = Motion::None;
        int direction = 0;   // +1 clockwise, -1 counter-clockwise
        qint64 target = 0;   // physical target of a move
        double carry = 0.0;  // pulses not yet made whole
    };
    // An axis that a motion command drives, and whether its direction is reversed.
    struct AxisInUse {
        int axis;
        int sign;
    };

    std::optional<QByteArray> answerQuery(const QByteArray& name) const;
    std::optional<QByteArray> answerRowQuery(const QByteArray& name) const;
    QByteArray limitSwitchReply() const;
    bool perform(const QByteArray& line);
    bool performKeypad(const QByteArray& line);
    bool performRowSet(const QByteArray& line);
    bool performValueCommand(const QByteArray& line);

    QList<AxisInUse> axesInUse() const;
    int displayedAxis() const;
    int speedOf(int axis) const;
    void jog(int direction);
    void scan(int direction);
    void moveBy(qint64 distance);
    void moveTo(qint64 counterValue);
    void startMove(Axis& axis, qint64 physicalTarget);
    void preset(int axis, qint64 counterValue);
    void stopAll();
    // Moves one axis for ms; true when it stopped at a limit switch.
    bool advanceAxis(Axis& axis, int speed, qint64 ms);
    void notify(const QByteArray& notice);

    std::array<Axis, kAxes> axes_;
    SettingStore settings_;
    bool normalMode_ = true;
    int functionMode_ = 0;
    char speedRange_ = 'M';
    bool moveUnderway_ = false;
    bool serviceRequests_ = true;
    QList<QByteArray> notices_;
};

}  // namespace quven::sim
