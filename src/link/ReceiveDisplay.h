// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QObject>
#include <QString>

namespace quven {

// The control screen's receive display (`Label19`): the reply to the last manual command, or
// the controller's "SRQ" notice.
class ReceiveDisplay : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

    QString text() const { return text_; }
    void setText(const QString& text);

  Q_SIGNALS:
    void textChanged(const QString& text);

  private:
    QString text_;
};

}  // namespace quven
