// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QString>
#include <optional>

namespace quven {

// The field splitter of the comma-terminated files (host history, table file): returns the
// text from the 1-based position up to, not including, the next comma, and moves the position
// just past that comma. A comma at the position gives an empty field. When no comma follows,
// it returns nothing and leaves the position as it was: the caller stops reading.
std::optional<QString> NextField(const QString& text, int& position);

}  // namespace quven
