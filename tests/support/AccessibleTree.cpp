// SPDX-License-Identifier: Apache-2.0
#include "AccessibleTree.h"

#include <QAccessible>
#include <QMetaEnum>
#include <QSet>
#include <QStringList>
#include <QWidget>

namespace accessibletree {

namespace {
QString roleName(QAccessible::Role role) {
    const char* key = QMetaEnum::fromType<QAccessible::Role>().valueToKey(role);
    return key != nullptr ? QString::fromLatin1(key) : QString::number(int(role), 16);
}

QString stateOf(const QAccessible::State& state) {
    QStringList words;
    if (state.checkable) {
        words << QLatin1String(state.checked ? "checked" : "not checked");
    }
    if (state.focused) {
        words << QStringLiteral("focused");
    }
    if (state.disabled) {
        words << QStringLiteral("disabled");
    }
    if (state.invisible) {
        words << QStringLiteral("invisible");
    }
    return words.join(QLatin1String(", "));
}

void visit(QAccessibleInterface* iface, int depth, QList<Node>& nodes) {
    if (iface == nullptr || !iface->isValid()) {
        return;
    }
    Node node;
    node.depth = depth;
    node.role = roleName(iface->role());
    node.name = iface->text(QAccessible::Name);
    node.description = iface->text(QAccessible::Description);
    node.value = iface->text(QAccessible::Value);
    node.state = stateOf(iface->state());
    node.object = iface->object();
    for (const auto& label : iface->relations(QAccessible::Label)) {
        node.labelledBy = label.first->text(QAccessible::Name);
    }
    nodes.append(node);
    for (int i = 0; i < iface->childCount(); ++i) {
        visit(iface->child(i), depth + 1, nodes);
    }
}

bool ours(const QWidget* widget) {
    const QString name = widget->objectName();
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_"));
}
}  // namespace

QList<Node> walk(QWidget* window) {
    QList<Node> nodes;
    visit(QAccessible::queryAccessibleInterface(window), 0, nodes);
    return nodes;
}

QString line(const Node& node) {
    QString text = QString(node.depth * 2, QLatin1Char(' ')) + node.role + QLatin1String(" \"") +
                   node.name + QLatin1Char('"');
    if (!node.description.isEmpty()) {
        text += QLatin1String("  description: ") + node.description;
    }
    if (!node.value.isEmpty()) {
        text += QLatin1String("  value: ") + node.value;
    }
    if (!node.labelledBy.isEmpty()) {
        text += QLatin1String("  labelled by: ") + node.labelledBy;
    }
    if (!node.state.isEmpty()) {
        text += QLatin1String("  [") + node.state + QLatin1Char(']');
    }
    if (auto* widget = qobject_cast<QWidget*>(node.object); widget && ours(widget)) {
        text += QLatin1String("  (") + widget->objectName() + QLatin1Char(')');
    }
    return text;
}

// A control a screen reader does not reach at all is unspoken too.
QStringList unspokenControls(QWidget* window) {
    QStringList unspoken;
    QSet<const QObject*> reached;
    for (const Node& node : walk(window)) {
        reached.insert(node.object);
        auto* widget = qobject_cast<QWidget*>(node.object);
        if (widget != nullptr && ours(widget) &&
            (node.name.trimmed().isEmpty() || node.name == widget->objectName())) {
            unspoken << QStringLiteral("%1 (\"%2\")").arg(widget->objectName(), node.name);
        }
    }
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        // A window it owns (a dialog) is walked on its own.
        if (ours(widget) && widget->window() == window && widget->isVisibleTo(window) &&
            !reached.contains(widget)) {
            unspoken << widget->objectName() + QLatin1String(" (not reached)");
        }
    }
    return unspoken;
}

}  // namespace accessibletree
