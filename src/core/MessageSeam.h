// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QString>

namespace quven {

enum class MessageIcon { None, Information, Critical };

// One message box with an OK button: the console's only way of telling the operator that
// something failed or was refused.
struct Message {
    QString text;
    QString caption;
    MessageIcon icon = MessageIcon::None;

    bool operator==(const Message& other) const {
        return text == other.text && caption == other.caption && icon == other.icon;
    }
};

// Every message box goes through this seam: the program shows it modally, a test records it.
class MessageSeam {
  public:
    virtual ~MessageSeam() = default;
    // Returns when the operator has closed the box.
    virtual void show(const Message& message) = 0;
    // A question with Yes and No; true for Yes. No is the default and Escape's answer.
    virtual bool ask(const Message& question) = 0;
};

}  // namespace quven
