// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QList>
#include <QString>

namespace quven {
class DataTable;
}

namespace quven::tool {

// The table as aligned plain text, laid out like the data-table screen: the NORMAL MODE
// SETTING rows under the screen's column headings (CH, POS, HSPD, MSPD, LSPD, RATE, CWLS EN NC,
// CCWLS EN NC, PLS EN -DIR, DRIVE S T C), the FUNCTION MODE SETTING rows (MODE, the texts, the
// "E -" boxes of axes 0 to 7, DRIVE), and the COMMON SETTING. A ticked box or selected button
// shows as "x", any other as "."; the cells of an item the read could not read show "?".
QString gridText(const DataTable& table, const QString& source, const QList<int>& unread);

}  // namespace quven::tool
