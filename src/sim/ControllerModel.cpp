// SPDX-License-Identifier: Apache-2.0
#include "sim/ControllerModel.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace quven::sim {

namespace {

// The row digit at `index` of a line: 0-7, or nothing.
std::optional<int> rowDigitAt(const QByteArray& line, int index) {
    if (index >= line.size() || line.at(index) < '0' || line.at(index) > '7') {
        return std::nullopt;
    }
    return line.at(index) - '0';
}

QByteArray hexPair(int bits) {
    return QByteArray::number(bits, 16).toUpper().rightJustified(2, '0');
}

// "NCNT", "FSPD", ...: the section letter and a table item name.
bool isRowCommand(const QByteArray& line) {
    if (line.size() < 5 || (line.at(0) != 'N' && line.at(0) != 'F')) {
        return false;
    }
    const QByteArray item = line.mid(1, 3);
    return item == "CNT" || item == "SPD" || item == "SET";
}

qint64 clampToTravel(qint64 physical) {
    return std::clamp(physical, -ControllerModel::kTravel, ControllerModel::kTravel);
}

}  // namespace

ControllerModel::ControllerModel() {
    axes_.at(0).active = true;
}

ControllerModel::Outcome ControllerModel::execute(const QByteArray& line) {
    if (line.isEmpty()) {
        return {std::nullopt, true};
    }
    if (line.endsWith('?')) {
        const std::optional<QByteArray> answer = answerQuery(line.chopped(1));
        return {answer.value_or("ERR"), answer.has_value()};
    }
    return {std::nullopt, perform(line)};
}

// --- Queries ----------------------------------------------------------------------------

std::optional<QByteArray> ControllerModel::answerQuery(const QByteArray& name) const {
    if (name == "VER") {
        return kVersion;
    }
    if (name == "CNT") {
        return formatValue(counter(displayedAxis()));
    }
    if (name == "MODE") {
        if (!normalMode_) {
            return "F" + QByteArray::number(functionMode_);
        }
        QByteArray flags("N");
        for (const Axis& axis : axes_) {
            flags += axis.active ? '1' : '0';
        }
        return flags;
    }
    if (name == "SPD") {
        return QByteArray("SPD") + speedRange_;
    }
    if (name == "LS") {
        return limitSwitchReply();
    }
    if (name == "SLS") {
        return settings_.limitStopReply();
    }
    return answerRowQuery(name);
}

std::optional<QByteArray> ControllerModel::answerRowQuery(const QByteArray& name) const {
    const std::optional<int> digit = rowDigitAt(name, 4);
    if (name.size() != 5 || !isRowCommand(name) || !digit) {
        return std::nullopt;
    }
    const bool normal = name.at(0) == 'N';
    const int row = normal ? *digit : SettingStore::kNormalRows + *digit;
    const QByteArray item = name.mid(1, 3);
    if (item == "CNT") {
        return formatValue(normal ? counter(*digit) : settings_.functionPosition(*digit));
    }
    if (item == "SPD") {
        return settings_.speedsReply(name, row);
    }
    return settings_.switchReply(name, row);
}

// "LS " range " " cw " CCWLS " ccw: the range letter at character 4, the clockwise switches
// as two hexadecimal digits at 6-7, the counter-clockwise ones at 15-16 (bit i = axis i).
QByteArray ControllerModel::limitSwitchReply() const {
    int clockwise = 0;
    int counterClockwise = 0;
    for (int a = 0; a < kAxes; ++a) {
        clockwise |= clockwiseLimit(a) ? 1 << a : 0;
        counterClockwise |= counterClockwiseLimit(a) ? 1 << a : 0;
    }
    return QByteArray("LS ") + speedRange_ + ' ' + hexPair(clockwise) + " CCWLS " +
           hexPair(counterClockwise);
}

// --- Actions ----------------------------------------------------------------------------

bool ControllerModel::perform(const QByteArray& line) {
    if (line == "+J" || line == "-J") {
        jog(line.at(0) == '+' ? 1 : -1);
        return true;
    }
    if (line == "+G" || line == "-G") {
        scan(line.at(0) == '+' ? 1 : -1);
        return true;
    }
    if (line == "STOPS") {
        stopAll();
        return true;
    }
    if (line == "SPDH" || line == "SPDM" || line == "SPDL") {
        speedRange_ = line.at(3);
        return true;
    }
    if (line.size() == 4 && line.startsWith("LS")) {
        return settings_.setLimitStop(line.at(2), line.at(3));
    }
    if (isRowCommand(line)) {
        return performRowSet(line);
    }
    if (line.startsWith("REL") || line.startsWith("ABS") || line.startsWith("PRS")) {
        return performValueCommand(line);
    }
    return performKeypad(line);
}

bool ControllerModel::performValueCommand(const QByteArray& line) {
    const std::optional<qint64> value = parseSetValue(line.mid(3));
    if (!value) {
        return false;
    }
    if (line.startsWith("REL")) {
        moveBy(*value);
    } else if (line.startsWith("ABS")) {
        moveTo(*value);
    } else {
        for (const AxisInUse& used : axesInUse()) {
            preset(used.axis, *value);
        }
    }
    return true;
}

// "NX", "FX", "N" k "S", "N" k "R", "F" k. A change of mode or axes stops any motion first.
bool ControllerModel::performKeypad(const QByteArray& line) {
    if (line == "NX" || line == "FX") {
        stopAll();
        normalMode_ = line == "NX";
        return true;
    }
    const std::optional<int> key = rowDigitAt(line, 1);
    if (!key) {
        return false;
    }
    if (line.size() == 3 && line.at(0) == 'N' && (line.at(2) == 'S' || line.at(2) == 'R')) {
        stopAll();
        normalMode_ = true;
        axes_.at(*key).active = line.at(2) == 'S';
        return true;
    }
    if (line.size() == 2 && line.at(0) == 'F') {
        stopAll();
        normalMode_ = false;
        functionMode_ = *key;
        return true;
    }
    return false;
}

bool ControllerModel::performRowSet(const QByteArray& line) {
    const std::optional<int> digit = rowDigitAt(line, 4);
    if (!digit) {
        return false;
    }
    const bool normal = line.at(0) == 'N';
    const int row = normal ? *digit : SettingStore::kNormalRows + *digit;
    const QByteArray item = line.mid(1, 3);
    const QByteArray rest = line.mid(5);
    if (item == "SPD") {
        return settings_.setSpeeds(row, rest);
    }
    if (item == "SET") {
        return settings_.setSwitchBlock(row, rest);
    }
    const std::optional<qint64> value = parseSetValue(rest);
    if (!value) {
        return false;
    }
    if (normal) {
        preset(*digit, *value);
    } else {
        settings_.setFunctionPosition(*digit, *value);
    }
    return true;
}

// --- Motion -----------------------------------------------------------------------------

// Normal mode drives the active axes; function mode m the axes that its table row lets take
// part, reversed where the row says so.
QList<ControllerModel::AxisInUse> ControllerModel::axesInUse() const {
    QList<AxisInUse> used;
    for (int a = 0; a < kAxes; ++a) {
        if (normalMode_) {
            if (axes_.at(a).active) {
                used.append({a, 1});
            }
            continue;
        }
        const char code = settings_.functionAxisCode(functionMode_, a);
        if (code != '0') {
            used.append({a, code == '2' ? -1 : 1});
        }
    }
    return used;
}

// "CNT?" reports the first axis in use, or axis 0 when none is.
int ControllerModel::displayedAxis() const {
    const QList<AxisInUse> used = axesInUse();
    return used.isEmpty() ? 0 : used.first().axis;
}

qint64 ControllerModel::counter(int axis) const {
    return axes_.at(axis).physical - axes_.at(axis).offset;
}

int ControllerModel::speedOf(int axis) const {
    const int row = normalMode_ ? axis : SettingStore::kNormalRows + functionMode_;
    const SettingStore::Speeds speeds = settings_.speeds(row);
    const int speed = speedRange_ == 'H'   ? speeds.hspd
                      : speedRange_ == 'L' ? speeds.lspd
                                           : speeds.mspd;
    return std::max(speed, 1);  // a speed of 0 would never arrive
}

void ControllerModel::jog(int direction) {
    for (const AxisInUse& used : axesInUse()) {
        Axis& axis = axes_.at(used.axis);
        axis.physical = clampToTravel(axis.physical + direction * used.sign);
    }
}

void ControllerModel::scan(int direction) {
    for (const AxisInUse& used : axesInUse()) {
        Axis& axis = axes_.at(used.axis);
        axis.motion = Motion::Scan;
        axis.direction = direction * used.sign;
        axis.carry = 0.0;
    }
}

void ControllerModel::moveBy(qint64 distance) {
    for (const AxisInUse& used : axesInUse()) {
        Axis& axis = axes_.at(used.axis);
        startMove(axis, axis.physical + distance * used.sign);
    }
}

void ControllerModel::moveTo(qint64 counterValue) {
    for (const AxisInUse& used : axesInUse()) {
        Axis& axis = axes_.at(used.axis);
        startMove(axis, counterValue + axis.offset);
    }
}

void ControllerModel::startMove(Axis& axis, qint64 physicalTarget) {
    axis.motion = Motion::Move;
    axis.target = physicalTarget;
    axis.direction = physicalTarget >= axis.physical ? 1 : -1;
    axis.carry = 0.0;
    moveUnderway_ = true;
}

void ControllerModel::preset(int axis, qint64 counterValue) {
    axes_.at(axis).offset = axes_.at(axis).physical - counterValue;
}

void ControllerModel::stopAll() {
    for (Axis& axis : axes_) {
        axis.motion = Motion::None;
    }
    moveUnderway_ = false;
}

bool ControllerModel::moving() const {
    return std::any_of(axes_.begin(), axes_.end(),
                       [](const Axis& axis) { return axis.motion != Motion::None; });
}

void ControllerModel::advance(qint64 ms) {
    if (ms <= 0) {
        return;
    }
    bool stoppedAtLimit = false;
    for (int a = 0; a < kAxes; ++a) {
        Axis& axis = axes_.at(a);
        if (axis.motion != Motion::None) {
            stoppedAtLimit |= advanceAxis(axis, speedOf(a), ms);
        }
    }
    if (stoppedAtLimit) {
        notify("SRQ02");
    }
    if (moveUnderway_ && !moving()) {
        moveUnderway_ = false;
        if (!stoppedAtLimit) {
            notify("SRQ01");
        }
    }
}

bool ControllerModel::advanceAxis(Axis& axis, int speed, qint64 ms) {
    const double travel =
        axis.carry + static_cast<double>(speed) * static_cast<double>(ms) / 1000.0;
    const double whole = std::floor(travel);
    axis.carry = travel - whole;
    const qint64 limit = axis.direction > 0 ? kTravel : -kTravel;
    qint64 goal = limit;
    if (axis.motion == Motion::Move) {
        goal = axis.direction > 0 ? std::min(axis.target, limit) : std::max(axis.target, limit);
    }
    const qint64 remaining = std::abs(goal - axis.physical);
    const qint64 step = static_cast<qint64>(std::min(whole, static_cast<double>(remaining)));
    axis.physical += axis.direction * step;
    if (axis.physical != goal) {
        return false;
    }
    // A move aimed exactly at the end of travel arrives; one aimed beyond it is stopped.
    const bool stoppedShort = axis.motion == Motion::Scan || axis.target != goal;
    axis.motion = Motion::None;
    return goal == limit && stoppedShort;
}

void ControllerModel::notify(const QByteArray& notice) {
    if (serviceRequests_) {
        notices_.append(notice);
    }
}

QList<QByteArray> ControllerModel::takeNotices() {
    return std::exchange(notices_, {});
}

}  // namespace quven::sim
