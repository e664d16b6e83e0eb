// SPDX-License-Identifier: Apache-2.0
#include "tool/TableJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <algorithm>

#include "table/DataTable.h"
#include "table/TableItems.h"
#include "tool/TableFields.h"

namespace quven::tool {

namespace ti = tableindex;

namespace {

constexpr int kVersion = 1;
constexpr int kAxes = 8;
const char* const kTextKeys[] = {"pos", "hspd", "mspd", "lspd", "rate"};

QString rowText(const DataTable& table, int row, int key) {
    return key == 0 ? table.Text2(ti::position(row)) : table.Text1(ti::speed(row, key - 1));
}

void setRowText(DataTable& table, int row, int key, const QString& text) {
    if (key == 0) {
        table.setText2(ti::position(row), text);
    } else {
        table.setText1(ti::speed(row, key - 1), text);
    }
}

struct SwitchKey {
    const char* key;
    FieldKind kind;
    int enable;
    int second;
};

const SwitchKey kSwitchKeys[] = {
    {"cwls", FieldKind::LimitSwitch, ti::CwlsEnable, ti::CwlsNc},
    {"ccwls", FieldKind::LimitSwitch, ti::CcwlsEnable, ti::CcwlsNc},
    {"pls", FieldKind::PulseOutput, ti::PulseEnable, ti::PulseReverse},
};

QJsonObject rowToJson(const DataTable& table, int row) {
    QJsonObject object;
    const bool function = ti::isFunctionRow(row);
    object.insert(QLatin1String(function ? "mode" : "ch"), function ? row - ti::kNormalRows : row);
    for (int key = 0; key < 5; ++key) {
        object.insert(QLatin1String(kTextKeys[key]), rowText(table, row, key));
    }
    if (function) {
        const int m = row - ti::kNormalRows;
        QJsonArray axes;
        for (int a = 0; a < kAxes; ++a) {
            axes.append(pairValue(FieldKind::Axis, table.Check2(ti::axisEnable(m, a)),
                                  table.Check2(ti::axisReverse(m, a))));
        }
        object.insert(QStringLiteral("axes"), axes);
    } else {
        for (const SwitchKey& s : kSwitchKeys) {
            object.insert(QLatin1String(s.key),
                          pairValue(s.kind, table.Check2(ti::normalSwitch(row, s.enable)),
                                    table.Check2(ti::normalSwitch(row, s.second))));
        }
    }
    object.insert(QStringLiteral("drive"), driveValue(table, row));
    return object;
}

}  // namespace

QJsonObject tableToJson(const DataTable& table, const QString& source, const QList<int>& unread) {
    QJsonObject object;
    object.insert(QStringLiteral("format"), QStringLiteral("quven-table"));
    object.insert(QStringLiteral("version"), kVersion);
    object.insert(QStringLiteral("source"), source);
    QJsonArray normal;
    QJsonArray function;
    for (int row = 0; row < ti::kRowCount; ++row) {
        (ti::isFunctionRow(row) ? function : normal).append(rowToJson(table, row));
    }
    object.insert(QStringLiteral("normal"), normal);
    object.insert(QStringLiteral("function"), function);
    object.insert(QStringLiteral("limitStop"),
                  QJsonObject{{QStringLiteral("action"), limitStopAction(table)},
                              {QStringLiteral("scope"), limitStopScope(table)}});
    QJsonArray names;
    for (const int item : unread) {
        names.append(tableitems::name(item));
    }
    object.insert(QStringLiteral("unread"), names);
    return object;
}

QByteArray jsonText(const QJsonObject& object) {
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

namespace {

// Reads one JSON table into a DataTable; the first fault ends it with `error` set.
class JsonReader {
  public:
    explicit JsonReader(DataTable& table) : table_(table) {}

    JsonTable read(const QByteArray& text);

  private:
    bool fail(const QString& what) {
        if (result_.error.isEmpty()) {
            result_.error = what;
        }
        return false;
    }
    QString text(const QJsonObject& object, const char* key, const QString& where);
    bool readRow(const QJsonValue& value, int row);
    bool readSwitches(const QJsonObject& object, int row, const QString& where);
    bool readAxes(const QJsonObject& object, int row, const QString& where);
    bool readDrive(const QJsonObject& object, int row, const QString& where);
    bool readLimitStop(const QJsonValue& value);
    bool readUnread(const QJsonValue& value);
    bool choose(const QString& value, const char* first, const char* second, int firstButton,
                const QString& where);

    DataTable& table_;
    JsonTable result_;
};

QString JsonReader::text(const QJsonObject& object, const char* key, const QString& where) {
    const QJsonValue value = object.value(QLatin1String(key));
    if (!value.isString()) {
        fail(QStringLiteral("%1 has no text \"%2\"").arg(where, QLatin1String(key)));
        return QString();
    }
    const QString string = value.toString();
    if (std::any_of(string.begin(), string.end(), [](QChar c) { return c.unicode() > 0xFF; })) {
        fail(QStringLiteral("%1 \"%2\" holds a character outside Latin-1")
                 .arg(where, QLatin1String(key)));
        return QString();
    }
    return string;
}

bool JsonReader::readRow(const QJsonValue& value, int row) {
    const QString where = tableitems::rowName(row);
    if (!value.isObject()) {
        return fail(where + QStringLiteral(" is not an object"));
    }
    const QJsonObject object = value.toObject();
    const bool function = ti::isFunctionRow(row);
    const int number = function ? row - ti::kNormalRows : row;
    if (object.value(QLatin1String(function ? "mode" : "ch")).toInt(-1) != number) {
        return fail(QStringLiteral("%1 does not say \"%2\": %3")
                        .arg(where, QLatin1String(function ? "mode" : "ch"))
                        .arg(number));
    }
    for (int key = 0; key < 5; ++key) {
        const QString field = text(object, kTextKeys[key], where);
        if (!result_.error.isEmpty()) {
            return false;
        }
        setRowText(table_, row, key, field);
    }
    const bool switches =
        function ? readAxes(object, row, where) : readSwitches(object, row, where);
    return switches && readDrive(object, row, where);
}

bool JsonReader::readSwitches(const QJsonObject& object, int row, const QString& where) {
    for (const SwitchKey& s : kSwitchKeys) {
        const QString value = text(object, s.key, where);
        const auto boxes = pairBoxes(s.kind, value);
        if (!result_.error.isEmpty() || !boxes) {
            return fail(QStringLiteral("%1 \"%2\" is not one of its values")
                            .arg(where, QLatin1String(s.key)));
        }
        table_.setCheck2(ti::normalSwitch(row, s.enable), boxes->first);
        table_.setCheck2(ti::normalSwitch(row, s.second), boxes->second);
    }
    return true;
}

bool JsonReader::readAxes(const QJsonObject& object, int row, const QString& where) {
    const QJsonArray axes = object.value(QStringLiteral("axes")).toArray();
    if (axes.size() != kAxes) {
        return fail(where + QStringLiteral(" has no list of 8 \"axes\""));
    }
    const int m = row - ti::kNormalRows;
    for (int a = 0; a < kAxes; ++a) {
        const auto boxes = pairBoxes(FieldKind::Axis, axes.at(a).toString(QStringLiteral("?")));
        if (!boxes) {
            return fail(
                QStringLiteral("%1 axis %2 is not \"E-\", \"E\", \"-\" or \"\"").arg(where).arg(a));
        }
        table_.setCheck2(ti::axisEnable(m, a), boxes->first);
        table_.setCheck2(ti::axisReverse(m, a), boxes->second);
    }
    return true;
}

bool JsonReader::readDrive(const QJsonObject& object, int row, const QString& where) {
    const QString drive = text(object, "drive", where);
    const int column =
        QStringList{QStringLiteral("S"), QStringLiteral("T"), QStringLiteral("C")}.indexOf(drive);
    if (!result_.error.isEmpty() || (column < 0 && !drive.isEmpty())) {
        return fail(where + QStringLiteral(" \"drive\" is not \"S\", \"T\", \"C\" or \"\""));
    }
    if (column >= 0) {
        table_.selectOption2(ti::drive(row, column));
    }
    return true;
}

bool JsonReader::choose(const QString& value, const char* first, const char* second,
                        int firstButton, const QString& where) {
    if (value == QLatin1String(first)) {
        table_.selectOption2(firstButton);
    } else if (value == QLatin1String(second)) {
        table_.selectOption2(firstButton + 1);
    } else if (!value.isEmpty()) {
        return fail(QStringLiteral("%1 is not \"%2\", \"%3\" or \"\"")
                        .arg(where, QLatin1String(first), QLatin1String(second)));
    }
    return true;
}

bool JsonReader::readLimitStop(const QJsonValue& value) {
    const QString where = QStringLiteral("\"limitStop\"");
    const QJsonObject object = value.toObject();
    const QString action = text(object, "action", where);
    const QString scope = text(object, "scope", where);
    return result_.error.isEmpty() &&
           choose(action, "EM STOP", "SLOW STOP", ti::EmStop, where + QStringLiteral(" action")) &&
           choose(scope, "ALL STOP", "INDIV. STOP", ti::AllStop, where + QStringLiteral(" scope"));
}

bool JsonReader::readUnread(const QJsonValue& value) {
    if (value.isUndefined()) {
        return true;
    }
    if (!value.isArray()) {
        return fail(QStringLiteral("\"unread\" is not a list"));
    }
    for (const QJsonValue& name : value.toArray()) {
        int found = -1;
        for (int item = 0; item < tableitems::kCount && found < 0; ++item) {
            if (tableitems::name(item) == name.toString()) {
                found = item;
            }
        }
        if (found < 0) {
            return fail(QStringLiteral("\"unread\" names no item of the table: \"%1\"")
                            .arg(name.toString()));
        }
        result_.unread.append(found);
    }
    return true;
}

JsonTable JsonReader::read(const QByteArray& text) {
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(text, &parseError);
    if (!document.isObject()) {
        fail(parseError.error != QJsonParseError::NoError
                 ? QStringLiteral("it is not JSON: %1 at byte %2")
                       .arg(parseError.errorString())
                       .arg(parseError.offset)
                 : QStringLiteral("it is not a JSON object"));
        return result_;
    }
    const QJsonObject root = document.object();
    if (root.value(QStringLiteral("format")).toString() != QLatin1String("quven-table") ||
        root.value(QStringLiteral("version")).toInt() != kVersion) {
        fail(QStringLiteral("it is not a quven-table JSON table of version %1").arg(kVersion));
        return result_;
    }
    const QJsonArray normal = root.value(QStringLiteral("normal")).toArray();
    const QJsonArray function = root.value(QStringLiteral("function")).toArray();
    if (normal.size() != ti::kNormalRows || function.size() != ti::kNormalRows) {
        fail(QStringLiteral("it has not 8 \"normal\" and 8 \"function\" rows"));
        return result_;
    }
    for (int row = 0; row < ti::kRowCount; ++row) {
        const QJsonArray& rows = ti::isFunctionRow(row) ? function : normal;
        if (!readRow(rows.at(row % ti::kNormalRows), row)) {
            return result_;
        }
    }
    if (readLimitStop(root.value(QStringLiteral("limitStop")))) {
        readUnread(root.value(QStringLiteral("unread")));
    }
    return result_;
}

}  // namespace

JsonTable tableFromJson(const QByteArray& text, DataTable& table) {
    return JsonReader(table).read(text);
}

}  // namespace quven::tool
