// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>

namespace quven {
class DataTable;
}

namespace quven::tool {

// The table as JSON, the one shape `show --json` writes and every command that takes a table
// file also takes (docs/TABLE_TOOL.md):
//
//   {"format": "quven-table", "version": 1, "source": "127.0.0.1:7777",
//    "normal":   [{"ch": 0, "pos": "+0000000", "hspd": "10000", "mspd": "02000",
//                  "lspd": "00500", "rate": "05", "cwls": "EN", "ccwls": "EN", "pls": "EN",
//                  "drive": "T"}, ... 8 rows],
//    "function": [{"mode": 0, "pos": "+0000000", "hspd": "05000", "mspd": "01000",
//                  "lspd": "00200", "rate": "03", "axes": ["E", "", "", "", "", "", "", ""],
//                  "drive": "T"}, ... 8 rows],
//    "limitStop": {"action": "SLOW STOP", "scope": "ALL STOP"},
//    "unread": []}
//
// Texts are the fields as they stand (single-byte characters); switch pairs, axes, DRIVE and
// the LIMIT STOP groups take the values their fields show (TableFields); "unread" names the
// items (tableitems::name) a read could not read, and may be left out when there are none.
QJsonObject tableToJson(const DataTable& table, const QString& source, const QList<int>& unread);

struct JsonTable {
    QString error;      // why the text is not such a table; empty when it is
    QList<int> unread;  // the items it marks as not read
};

// Fills a cleared table from the JSON text; on an error the table holds whatever was read
// before it.
JsonTable tableFromJson(const QByteArray& text, DataTable& table);

// The JSON text as the tool writes it: indented, ending in a line end.
QByteArray jsonText(const QJsonObject& object);

}  // namespace quven::tool
