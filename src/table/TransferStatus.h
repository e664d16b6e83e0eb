// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QObject>
#include <QString>

namespace quven {

// The data-table screen's status line `Label17`: "--- Reading ---" or "--- Writing ---",
// blinking while a transfer runs, empty when it has ended.
class TransferStatus : public QObject {
    Q_OBJECT
  public:
    static inline const QString kReading = QStringLiteral("--- Reading ---");
    static inline const QString kWriting = QStringLiteral("--- Writing ---");

    using QObject::QObject;

    QString text() const { return text_; }
    void setText(const QString& text);
    // One blink: empty when it shows anything, otherwise the given text.
    void toggle(const QString& text) { setText(text_.isEmpty() ? text : QString()); }

  Q_SIGNALS:
    void textChanged(const QString& text);

  private:
    QString text_ = kReading;  // what a new screen shows
};

}  // namespace quven
