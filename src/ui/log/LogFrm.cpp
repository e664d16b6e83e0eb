// SPDX-License-Identifier: Apache-2.0
#include "ui/log/LogFrm.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QFileDialog>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <algorithm>

#include "link/CommunicationLog.h"
#include "ui/kit/ConsolePalette.h"
#include "ui/kit/WidgetLook.h"

namespace quven {

namespace {
// Each row is one line of plain text: drawn as such, it costs a fraction of the item view's
// general drawing, which is what a view refreshed ten times a second under a flood pays for.
class LogRowDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        if (selected) {
            painter->fillRect(option.rect, option.palette.highlight());
        }
        painter->setFont(option.font);
        painter->setPen(selected ? option.palette.highlightedText().color()
                                 : option.palette.text().color());
        painter->drawText(option.rect.adjusted(kMargin, 0, 0, 0),
                          Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                          index.data().toString());
    }

    // Every row is given the same size (the view asks once): as wide as kWideRow characters of
    // the fixed face, so that the view scrolls sideways to the end of any usual row. Copy takes
    // whole rows, however long.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        const QFontMetrics metrics(option.font);
        return QSize(metrics.horizontalAdvance(QLatin1Char('M')) * kWideRow + 2 * kMargin,
                     metrics.height() + 2);
    }

  private:
    static constexpr int kMargin = 3;
    static constexpr int kWideRow = 240;
};
}  // namespace

LogFrm::LogFrm(CommunicationLog& log, MessageSeam& messages, IntervalTimer::Mode timerMode,
               QWidget* parent)
    : QWidget(parent, Qt::Window), tmrRefresh(timerMode), log_(log), model_(log, messages) {
    setControlName(this, QStringLiteral("LogFrm"), QStringLiteral("Communication log"));
    setWindowTitle(QStringLiteral("Communication Log"));
    // The console's colours whatever the desktop's theme; its fonts are the desktop's, and
    // its layout grows with them.
    kit::useConsolePalette(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildControls());
    buildView();
    layout->addWidget(view_);
    resize(680, 420);
    bind();
}

QWidget* LogFrm::buildControls() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    hidePoll_ = new QCheckBox(QStringLiteral("Hide status poll"), row);
    setControlName(hidePoll_, QStringLiteral("LogHidePoll"), QStringLiteral("Hide status poll"));
    hidePoll_->setToolTip(
        QStringLiteral("Leave out the queries the status poll sends itself, "
                       "and their answers"));
    pause_ = new QPushButton(QStringLiteral("Pause"), row);
    setControlName(pause_, QStringLiteral("LogPause"), QStringLiteral("Pause the log view"));
    pause_->setCheckable(true);
    pause_->setToolTip(QStringLiteral("Stop the view; press again to go on"));
    clear_ = new QPushButton(QStringLiteral("Clear"), row);
    setControlName(clear_, QStringLiteral("LogClear"), QStringLiteral("Clear the log"));
    clear_->setToolTip(QStringLiteral("Empty the log"));
    save_ = new QPushButton(QStringLiteral("Save..."), row);
    setControlName(save_, QStringLiteral("LogSave"), QStringLiteral("Save the log"));
    save_->setToolTip(QStringLiteral("Write the lines shown to a text file"));
    layout->addWidget(hidePoll_);
    layout->addStretch();
    for (QPushButton* button : {pause_, clear_, save_}) {
        layout->addWidget(button);
    }
    return row;
}

void LogFrm::buildView() {
    view_ = new QListView(this);
    setControlName(view_, QStringLiteral("LogView"), QStringLiteral("Log lines"));
    view_->setModel(&model_);
    view_->setItemDelegate(new LogRowDelegate(view_));
    // Every row is one line of the same height: the view lays out thousands of rows at the cost
    // of one, and asks only for the rows it shows.
    view_->setUniformItemSizes(true);
    view_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    view_->setWordWrap(false);
    auto* copy = new QAction(QStringLiteral("Copy"), view_);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    view_->addAction(copy);
    view_->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(copy, &QAction::triggered, this, &LogFrm::copySelection);
}

void LogFrm::bind() {
    connect(&tmrRefresh, &IntervalTimer::timeout, this, &LogFrm::tmrRefresh_Timer);
    connect(hidePoll_, &QCheckBox::toggled, this, [this](bool hide) {
        model_.setHidePoll(hide);
        view_->scrollToBottom();
    });
    pause_->setChecked(log_.isPaused());
    connect(pause_, &QPushButton::toggled, &log_, &CommunicationLog::setPaused);
    connect(&log_, &CommunicationLog::pausedChanged, pause_, &QPushButton::setChecked);
    connect(clear_, &QPushButton::clicked, this, &LogFrm::LogClear_Click);
    connect(save_, &QPushButton::clicked, this, &LogFrm::LogSave_Click);
}

bool LogFrm::followsNewest() const {
    const QScrollBar* bar = view_->verticalScrollBar();
    return bar->value() >= bar->maximum();
}

void LogFrm::tmrRefresh_Timer() {
    const bool follow = followsNewest();
    QScrollBar* bar = view_->verticalScrollBar();
    const int position = bar->value();
    const LogViewModel::Change change = model_.catchUp();
    if (change.added == 0 && change.removed == 0) {
        return;
    }
    if (follow) {
        view_->scrollToBottom();
    } else {
        // The lines the operator reads stay in place while older ones drop off the top.
        bar->setValue(std::max(0, position - change.removed));
    }
}

void LogFrm::LogClear_Click() {
    log_.clear();
    tmrRefresh_Timer();
}

void LogFrm::LogSave_Click() {
    auto* dialog = new QFileDialog(this, QStringLiteral("Save the communication log"));
    setControlName(dialog, QStringLiteral("LogSaveDialog"),
                   QStringLiteral("Save the communication log"));
    // A window of its own: it takes the console's colours itself, as the log does.
    kit::useConsolePalette(dialog);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setNameFilters({QStringLiteral("Text files (*.txt)"), QStringLiteral("All files (*)")});
    dialog->setDefaultSuffix(QStringLiteral("txt"));
    dialog->selectFile(QStringLiteral("communication-log.txt"));
    connect(dialog, &QFileDialog::fileSelected, this,
            [this](const QString& path) { model_.save(path); });
    dialog->open();
}

void LogFrm::copySelection() {
    QModelIndexList rows = view_->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end());
    QStringList lines;
    for (const QModelIndex& index : rows) {
        lines.append(model_.lineAt(index.row()));
    }
    if (!lines.isEmpty()) {
        QGuiApplication::clipboard()->setText(lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    }
}

void LogFrm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    tmrRefresh_Timer();
    view_->scrollToBottom();
    tmrRefresh.setInterval(kRefreshPeriodMs);
}

void LogFrm::hideEvent(QHideEvent* event) {
    tmrRefresh.setInterval(0);
    QWidget::hideEvent(event);
}

}  // namespace quven
