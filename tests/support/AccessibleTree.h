// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QList>
#include <QString>

class QObject;
class QWidget;

// What a screen reader is told about a window: the tree of its accessible interfaces, as the
// platform's accessibility bridge walks it.
namespace accessibletree {

struct Node {
    int depth = 0;
    QString role;               // "PushButton", "CheckBox", "StaticText", ...
    QString name;               // what is said first
    QString description;        // said after it, or on request
    QString value;              // a box's text, a slider's value
    QString state;              // "checked", "focused", ... (the ones that matter here)
    QString labelledBy;         // the caption that labels it, where one does
    QObject* object = nullptr;  // the widget behind it, if any
};

// Every node under the window, the window first, depth first.
QList<Node> walk(QWidget* window);

// One node on a line: indented by depth, role, "name", then description, value, state and the
// caption that labels it.
QString line(const Node& node);

// The named widgets of the window (Qt's own inner ones left out) that a screen reader would
// hear as nothing or as their objectName: "Text1_5 (\"Text1_5\")". Empty when all speak words.
QStringList unspokenControls(QWidget* window);

}  // namespace accessibletree
