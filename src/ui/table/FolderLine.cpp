// SPDX-License-Identifier: Apache-2.0
#include "ui/table/FolderLine.h"

#include <QDir>
#include <QFontMetrics>
#include <QStringList>

namespace quven {

namespace {
const QString kPrefix = QStringLiteral("Folder: ");
const QChar kBreak(0x200B);     // zero-width space: a line may break here
const QChar kEllipsis(0x2026);  // …

// The path with a place to break after each separator.
QString breakable(const QString& path) {
    QString text = path;
    text.replace(QDir::separator(), QString(QDir::separator()) + kBreak);
    return text;
}
}  // namespace

FolderLine::FolderLine(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setMargin(0);
    setIndent(0);
}

void FolderLine::showFolder(const QString& path) {
    folder_ = path;
    setToolTip(path);
    setAccessibleDescription(path);
    const QString separator = QDir::separator();
    QStringList parts = path.split(separator);
    QString shown = kPrefix + breakable(path);
    // Leaves out the first folders until the rest fits, keeping at least the last.
    while (!fits(shown) && parts.size() > 1) {
        parts.removeFirst();
        shown = kPrefix + kEllipsis + separator + breakable(parts.join(separator));
    }
    setText(shown);
}

bool FolderLine::fits(const QString& text) const {
    const QRect room = contentsRect();
    return fontMetrics().boundingRect(room, Qt::TextWordWrap, text).height() <= room.height();
}

}  // namespace quven
