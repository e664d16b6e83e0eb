// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QList>
#include <QString>
#include <array>
#include <functional>

#include "tool/ControllerAddress.h"
#include "tool/ControllerTask.h"

namespace quven::tool {

class Reporter;

// How one controller came out of a command, and the exit status it stands for.
enum class Result { Saved, Read, Written, Verified, Differs, Incomplete, Failed };

int exitStatusOf(Result result);  // 0, 1 for Differs, 2 for Failed, 3 for Incomplete

// Serves the controllers of a command: a task each, at most `jobs` at once, a progress line on
// a terminal while they run, a summary line for each as it ends (host, result, items written
// and read, seconds, and what there is to say) and a closing count.
class PlantRun {
  public:
    struct Outcome {
        Result result;
        QString detail;
    };
    // Tells how a controller came out; called once, at once or later from the event loop.
    using Report = std::function<void(const Outcome& outcome)>;
    // Decides how a task that is over came out and does what is left (saves its table, lists
    // its differences), then reports.
    using Judge = std::function<void(const ControllerTask& task, const Report& report)>;

    PlantRun(Reporter& reporter, const QList<ControllerAddress>& controllers, int jobs);

    // Returns, once every controller has been reported, their highest exit status.
    int run(const ControllerTask::Plan& plan, const Judge& judge);

  private:
    // What a summary line says of a task, taken before the task is thrown away.
    struct TaskLine {
        QString host;
        QString items;
        double seconds;
    };
    void report(const TaskLine& task, const Outcome& outcome);
    QString countLine() const;

    Reporter& reporter_;
    QList<ControllerAddress> controllers_;
    int jobs_;
    int hostWidth_ = 0;
    int itemsWidth_ = 0;
    int reported_ = 0;
    int status_ = 0;
    std::array<int, 7> counts_{};
};

// The items a read left unread, as a summary line names them.
QString unreadText(const QList<int>& unread);

}  // namespace quven::tool
