// SPDX-License-Identifier: Apache-2.0
#include "tool/GridText.h"

#include <QStringList>
#include <algorithm>
#include <vector>

#include "core/CommandSet.h"
#include "table/DataTable.h"
#include "table/TableItems.h"

namespace quven::tool {

namespace ti = tableindex;
using namespace tableitems;

namespace {

constexpr int kAxes = 8;
const QString kGap = QStringLiteral("  ");

// One column of a section: a heading over it, the heading of its boxes, and a cell a row.
struct Column {
    QString over;
    QString heading;
    QStringList cells;
};

QString mark(bool on) {
    return on ? QStringLiteral("x") : QStringLiteral(".");
}

// Marks under the words of a heading: "EN NC" over "x  .".
QString marksUnder(const QString& heading, const QStringList& marks) {
    const QStringList words = heading.split(QLatin1Char(' '));
    QString cell;
    int start = 0;
    for (int i = 0; i < marks.size() && i < words.size(); ++i) {
        cell = cell.leftJustified(start) + marks.at(i);
        start += int(words.at(i).size()) + 1;
    }
    return cell;
}

QStringList marksOf(const QList<bool>& boxes) {
    QStringList marks;
    for (const bool box : boxes) {
        marks.append(mark(box));
    }
    return marks;
}

QString withoutTrailingBlanks(QString text) {
    while (text.endsWith(QLatin1Char(' '))) {
        text.chop(1);
    }
    return text;
}

// The rows of one section (0-7 or 8-15) as columns.
class Section {
  public:
    Section(const DataTable& table, const QList<int>& unread, int firstRow)
        : table_(table), unread_(unread), first_(firstRow) {}

    void addNumbers(const QString& heading) {
        Column column{QString(), heading, {}};
        for (int r = 0; r < ti::kNormalRows; ++r) {
            column.cells.append(QString::number(r));
        }
        columns_.push_back(column);
    }
    void addTexts() {
        const char* const headings[] = {"POS", "HSPD", "MSPD", "LSPD", "RATE"};
        for (int k = 0; k < 5; ++k) {
            Column column{QString(), QLatin1String(headings[k]), {}};
            for (int row = first_; row < first_ + ti::kNormalRows; ++row) {
                const int group = k == 0 ? Positions : Speeds;
                const QString text =
                    k == 0 ? table_.Text2(ti::position(row)) : table_.Text1(ti::speed(row, k - 1));
                column.cells.append(isUnread(group, row) ? QStringLiteral("?")
                                                         : commands::visibleText(text));
            }
            columns_.push_back(column);
        }
    }
    // A column of boxes: the boxes of row r are boxesOf(r).
    template <typename Boxes>
    void addBoxes(const QString& over, const QString& heading, Boxes boxesOf) {
        Column column{over, heading, {}};
        for (int row = first_; row < first_ + ti::kNormalRows; ++row) {
            const QList<bool> boxes = boxesOf(row);
            column.cells.append(marksUnder(
                heading, isUnread(Switches, row) ? QStringList(boxes.size(), QStringLiteral("?"))
                                                 : marksOf(boxes)));
        }
        columns_.push_back(column);
    }

    QString text(const QString& title) const;

  private:
    bool isUnread(int group, int row) const { return unread_.contains(item(group, row)); }

    const DataTable& table_;
    const QList<int>& unread_;
    int first_;
    std::vector<Column> columns_;
};

QString Section::text(const QString& title) const {
    std::vector<int> widths;
    for (const Column& column : columns_) {
        int width = int(std::max(column.over.size(), column.heading.size()));
        for (const QString& cell : column.cells) {
            width = std::max(width, int(cell.size()));
        }
        widths.push_back(width);
    }
    const auto line = [&](const auto& cellOf) {
        QString text;
        for (size_t i = 0; i < columns_.size(); ++i) {
            text += cellOf(columns_[i]).leftJustified(widths[i]) + kGap;
        }
        return withoutTrailingBlanks(text) + QLatin1Char('\n');
    };
    QString text = title + QLatin1Char('\n');
    text += line([](const Column& c) { return c.over; });
    text += line([](const Column& c) { return c.heading; });
    for (int r = 0; r < ti::kNormalRows; ++r) {
        text += line([r](const Column& c) { return c.cells.at(r); });
    }
    return text;
}

QList<bool> driveBoxes(const DataTable& table, int row) {
    return {table.Option2(ti::drive(row, ti::DriveS)), table.Option2(ti::drive(row, ti::DriveT)),
            table.Option2(ti::drive(row, ti::DriveC))};
}

QString normalSection(const DataTable& table, const QList<int>& unread) {
    Section section(table, unread, 0);
    section.addNumbers(QStringLiteral("CH"));
    section.addTexts();
    const struct {
        const char* over;
        const char* heading;
        int enable;
        int second;
    } pairs[] = {{"CWLS", "EN NC", ti::CwlsEnable, ti::CwlsNc},
                 {"CCWLS", "EN NC", ti::CcwlsEnable, ti::CcwlsNc},
                 {"PLS", "EN -DIR", ti::PulseEnable, ti::PulseReverse}};
    for (const auto& pair : pairs) {
        section.addBoxes(QLatin1String(pair.over), QLatin1String(pair.heading), [&](int n) {
            return QList<bool>{table.Check2(ti::normalSwitch(n, pair.enable)),
                               table.Check2(ti::normalSwitch(n, pair.second))};
        });
    }
    section.addBoxes(QStringLiteral("DRIVE"), QStringLiteral("S T C"),
                     [&](int row) { return driveBoxes(table, row); });
    return section.text(QStringLiteral("NORMAL MODE SETTING"));
}

QString functionSection(const DataTable& table, const QList<int>& unread) {
    Section section(table, unread, ti::kNormalRows);
    section.addNumbers(QStringLiteral("MODE"));
    section.addTexts();
    for (int a = 0; a < kAxes; ++a) {
        section.addBoxes(QString::number(a), QStringLiteral("E -"), [&table, a](int row) {
            const int m = row - ti::kNormalRows;
            return QList<bool>{table.Check2(ti::axisEnable(m, a)),
                               table.Check2(ti::axisReverse(m, a))};
        });
    }
    section.addBoxes(QStringLiteral("DRIVE"), QStringLiteral("S T C"),
                     [&](int row) { return driveBoxes(table, row); });
    return section.text(QStringLiteral("FUNCTION MODE SETTING"));
}

QString commonSection(const DataTable& table, const QList<int>& unread) {
    const bool unknown = unread.contains(item(LimitStop, 0));
    const auto choice = [&](int button, const char* caption) {
        return (unknown ? QStringLiteral("?") : mark(table.Option2(button))) + QLatin1Char(' ') +
               QLatin1String(caption);
    };
    return QStringLiteral("COMMON SETTING\n") + QStringLiteral("LIMIT STOP  ") +
           choice(ti::EmStop, "EM STOP") + kGap + choice(ti::SlowStop, "SLOW STOP") +
           QLatin1Char('\n') + QStringLiteral("LIMIT STOP  ") + choice(ti::AllStop, "ALL STOP") +
           kGap + choice(ti::IndivStop, "INDIV. STOP") + QLatin1Char('\n');
}

}  // namespace

QString gridText(const DataTable& table, const QString& source, const QList<int>& unread) {
    QString text = source + QStringLiteral("\n\n") + normalSection(table, unread) +
                   QLatin1Char('\n') + functionSection(table, unread) + QLatin1Char('\n') +
                   commonSection(table, unread);
    if (!unread.isEmpty()) {
        QStringList names;
        for (const int item : unread) {
            names.append(name(item));
        }
        text += QStringLiteral("\nNot read (shown as ?): ") + names.join(QStringLiteral(", ")) +
                QLatin1Char('\n');
    }
    return text;
}

}  // namespace quven::tool
