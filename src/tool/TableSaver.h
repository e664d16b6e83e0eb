// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QObject>
#include <QString>
#include <QThreadPool>
#include <functional>
#include <optional>

namespace quven::tool {

// Saves table files off the event loop. A save waits for the disk (the file is synced before it
// replaces the old one, as the console saves it), and a plant's hundreds of saves one after the
// other would hold up the ticks of every controller still being read. The saves run on threads
// of their own, which also lets the file system sync them together; each one's outcome comes
// back on the event loop's thread.
class TableSaver : public QObject {
    Q_OBJECT
  public:
    // Nothing on success, otherwise why the file could not be written.
    using Saved = std::function<void(const std::optional<QString>& error)>;

    explicit TableSaver(QObject* parent = nullptr);
    // Waits for the saves still running; their outcomes are not told.
    ~TableSaver() override;

    // Writes the table file's line to path (tablefile::save), then tells `saved`.
    void save(const QString& path, const QString& line, const Saved& saved);

  private:
    QThreadPool threads_;
};

}  // namespace quven::tool
