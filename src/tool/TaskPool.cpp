// SPDX-License-Identifier: Apache-2.0
#include "tool/TaskPool.h"

#include <QEventLoop>

#include "tool/ControllerTask.h"

namespace quven::tool {

TaskPool::TaskPool(int jobs, QObject* parent) : QObject(parent), jobs_(jobs < 1 ? 1 : jobs) {}

void TaskPool::run(int count, const MakeTask& makeTask, const TaskDone& taskDone) {
    total_ = count;
    started_ = finished_ = running_ = 0;
    makeTask_ = makeTask;
    taskDone_ = taskDone;
    QEventLoop loop;
    connect(this, &TaskPool::allDone, &loop, &QEventLoop::quit);
    while (running_ < jobs_ && started_ < total_) {
        startNext();
    }
    if (finished_ < total_) {
        loop.exec();
    }
}

void TaskPool::startNext() {
    const int index = started_++;
    ControllerTask* task = makeTask_(index).release();
    task->setParent(this);
    ++running_;
    connect(task, &ControllerTask::done, this, [this, task, index] {
        --running_;
        ++finished_;
        taskDone_(*task, index);
        task->deleteLater();
        if (started_ < total_) {
            startNext();
        } else if (finished_ == total_) {
            Q_EMIT allDone();
        }
    });
    task->start();
}

}  // namespace quven::tool
