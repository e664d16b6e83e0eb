// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QString>

namespace quven {

// The manual command box shows a line break as "\n"; the manual line holds it as CR LF, the
// way it goes to the controller. Text and caret positions are mapped between the two so that
// a caret placed by the line's rule lands on the same character in the box.

// Box text to line text: every "\n" becomes CR LF.
QString lineTextFromBox(const QString& boxText);
// Line text to box text: every CR LF becomes "\n".
QString boxTextFromLine(const QString& lineText);
// A caret in the box to the same place in the line: each "\n" before it counts two.
int lineCaretFromBox(const QString& boxText, int boxCaret);
// A caret in the line to the box; a caret between CR and LF stands before the line break.
int boxCaretFromLine(const QString& lineText, int lineCaret);

}  // namespace quven
