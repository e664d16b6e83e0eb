// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QObject>
#include <functional>
#include <memory>

namespace quven::tool {

class ControllerTask;

// Runs one task for each of `count` controllers, at most `jobs` at once, started in the order
// given, all on this thread's event loop. Each task is made when its turn comes and handed to
// `taskDone` when it is over, then thrown away.
class TaskPool : public QObject {
    Q_OBJECT
  public:
    using MakeTask = std::function<std::unique_ptr<ControllerTask>(int index)>;
    using TaskDone = std::function<void(const ControllerTask& task, int index)>;

    explicit TaskPool(int jobs, QObject* parent = nullptr);

    // Returns when every task is over.
    void run(int count, const MakeTask& makeTask, const TaskDone& taskDone);

    int total() const { return total_; }
    int finished() const { return finished_; }
    int running() const { return running_; }

  Q_SIGNALS:
    void allDone();

  private:
    void startNext();

    int jobs_;
    int total_ = 0;
    int started_ = 0;
    int finished_ = 0;
    int running_ = 0;
    MakeTask makeTask_;
    TaskDone taskDone_;
};

}  // namespace quven::tool
