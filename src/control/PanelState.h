// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QObject>
#include <QString>
#include <array>

namespace quven {

// What the control screen's displays show, apart from the receive display: the counter and mode
// displays, the ten keypad keys' lit state, the speed selector, the 32 limit-switch lamps and the
// firmware label. The lit state of a key is also state the keypad commands read; the screen
// draws a lit key yellow from this flag, so flag and colour always change together.
class PanelState : public QObject {
    Q_OBJECT
  public:
    static constexpr int kKeyCount = 10;  // Command3: 0-7 axis keys, 8 "8:F", 9 "9:N"
    static constexpr int kFunctionKey = 8;
    static constexpr int kNormalKey = 9;
    static constexpr int kLampCount =
        32;  // Shape1: rows cwls 0-7, cwp 8-15, ccwp 16-23, ccwls 24-31
    static constexpr int kCounterClockwiseRow = 24;
    enum SpeedOption { SpeedH = 0, SpeedM = 1, SpeedL = 2 };  // Option2

    using QObject::QObject;

    QString counterText() const { return counterText_; }
    QString modeText() const { return modeText_; }
    bool keyLit(int key) const { return key >= 0 && key < kKeyCount && keyLit_[key]; }
    int speedOption() const { return speedOption_; }
    bool lampOn(int lamp) const { return lamp >= 0 && lamp < kLampCount && lampOn_[lamp]; }
    QString firmwareText() const { return firmwareText_; }

    void setCounterText(const QString& text);
    void setModeText(const QString& text);
    void setKeyLit(int key, bool lit);
    void setSpeedOption(int option);
    void setLampOn(int lamp, bool on);
    void setFirmwareText(const QString& text);

  Q_SIGNALS:
    void counterTextChanged(const QString& text);
    void modeTextChanged(const QString& text);
    void keyLitChanged(int key, bool lit);
    void speedOptionChanged(int option);
    void lampChanged(int lamp, bool on);
    void firmwareTextChanged(const QString& text);

  private:
    QString counterText_ = QStringLiteral("0000000");
    QString modeText_ = QStringLiteral("NORMAL CTRL");
    std::array<bool, kKeyCount> keyLit_{};
    int speedOption_ = SpeedM;
    std::array<bool, kLampCount> lampOn_{};
    QString firmwareText_ = QStringLiteral("Firmware version");
};

}  // namespace quven
