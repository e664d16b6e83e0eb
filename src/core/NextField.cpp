// SPDX-License-Identifier: Apache-2.0
#include "core/NextField.h"

namespace quven {

std::optional<QString> NextField(const QString& text, int& position) {
    const int start = position < 1 ? 0 : position - 1;
    const int comma = text.indexOf(QLatin1Char(','), start);
    if (comma < 0) {
        return std::nullopt;
    }
    position = comma + 2;
    return text.mid(start, comma - start);
}

}  // namespace quven
