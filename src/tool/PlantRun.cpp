// SPDX-License-Identifier: Apache-2.0
#include "tool/PlantRun.h"

#include <QEventLoop>
#include <QStringList>
#include <QTimer>
#include <algorithm>

#include "table/TableItems.h"
#include "tool/Reporter.h"
#include "tool/TaskPool.h"

namespace quven::tool {

namespace {

constexpr int kProgressPeriodMs = 200;
const char* const kResultWords[] = {"saved",   "read",       "written", "verified",
                                    "differs", "incomplete", "failed"};
constexpr int kResultWidth = 10;

QString itemsText(const ControllerTask::Plan& plan, int written, int read) {
    QStringList parts;
    if (plan.tableToWrite != nullptr) {
        parts.append(QStringLiteral("written %1/%2").arg(written).arg(tableitems::kCount));
    }
    if (plan.read) {
        parts.append(QStringLiteral("read %1/%2").arg(read).arg(tableitems::kCount));
    }
    return parts.join(QStringLiteral(", "));
}

}  // namespace

int exitStatusOf(Result result) {
    switch (result) {
        case Result::Differs:
            return 1;
        case Result::Failed:
            return 2;
        case Result::Incomplete:
            return 3;
        default:
            return 0;
    }
}

QString unreadText(const QList<int>& unread) {
    if (unread.size() == tableitems::kCount) {
        return QStringLiteral("no query was answered");
    }
    QStringList names;
    for (const int item : unread) {
        names.append(tableitems::name(item));
    }
    return QStringLiteral("not read: ") + names.join(QStringLiteral(", "));
}

PlantRun::PlantRun(Reporter& reporter, const QList<ControllerAddress>& controllers, int jobs)
    : reporter_(reporter), controllers_(controllers), jobs_(jobs) {
    for (const ControllerAddress& address : controllers_) {
        hostWidth_ = std::max(hostWidth_, int(address.text().size()));
    }
}

int PlantRun::run(const ControllerTask::Plan& plan, const Judge& judge) {
    TaskPool pool(jobs_);
    QTimer progress;
    QObject::connect(&progress, &QTimer::timeout, &pool, [this, &pool] {
        reporter_.progress(QStringLiteral("quven-table: %1 of %2 controllers done, %3 at work")
                               .arg(reported_)
                               .arg(pool.total())
                               .arg(pool.running()));
    });
    if (reporter_.showsProgress()) {
        progress.start(kProgressPeriodMs);
    }
    QEventLoop allReported;
    itemsWidth_ = int(itemsText(plan, tableitems::kCount, tableitems::kCount).size());
    pool.run(
        int(controllers_.size()),
        [this, &plan](int index) {
            return std::make_unique<ControllerTask>(controllers_.at(index), plan);
        },
        [&](const ControllerTask& task, int) {
            const TaskLine line{task.address().text(),
                                itemsText(plan, task.itemsWritten(), task.itemsRead()),
                                task.seconds()};
            judge(task, [this, line, &allReported](const Outcome& outcome) {
                report(line, outcome);
                if (reported_ == int(controllers_.size())) {
                    allReported.quit();
                }
            });
        });
    if (reported_ < int(controllers_.size())) {
        allReported.exec();
    }
    progress.stop();
    reporter_.clearProgress();
    reporter_.summary(countLine());
    return status_;
}

void PlantRun::report(const TaskLine& task, const Outcome& outcome) {
    ++reported_;
    status_ = std::max(status_, exitStatusOf(outcome.result));
    ++counts_[int(outcome.result)];
    QString line =
        task.host.leftJustified(hostWidth_) + QStringLiteral("  ") +
        QString::fromLatin1(kResultWords[int(outcome.result)]).leftJustified(kResultWidth) +
        QStringLiteral("  ") + task.items.leftJustified(itemsWidth_) +
        QStringLiteral("  %1 s").arg(task.seconds, 5, 'f', 2);
    if (!outcome.detail.isEmpty()) {
        line += QStringLiteral("  ") + outcome.detail;
    }
    reporter_.summary(line);
}

QString PlantRun::countLine() const {
    QStringList parts;
    for (int result = 0; result < int(counts_.size()); ++result) {
        if (counts_[result] > 0) {
            parts.append(QStringLiteral("%1 %2")
                             .arg(counts_[result])
                             .arg(QLatin1String(kResultWords[result])));
        }
    }
    const int total = int(controllers_.size());
    return QStringLiteral("%1 controller%2: %3")
        .arg(total)
        .arg(QLatin1String(total == 1 ? "" : "s"))
        .arg(parts.join(QStringLiteral(", ")));
}

}  // namespace quven::tool
