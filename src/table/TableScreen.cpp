#include "table/TableScreen.h"

#include "link/CommandChannel.h"
#include "link/ReplyDispatcher.h"
#include "table/TableFile.h"
#include "ui/MessageSeam.h"

namespace quven {

namespace {
const QString kCaution = QStringLiteral("Caution !");
}

TableScreen::TableScreen(const Links& links, QObject* parent)
    : QObject(parent),
      tmrTokei(links.timerMode),
      tmrWrite(links.timerMode),
      files(QStringLiteral("*.txt")),
      module_(links.module),
      timer2_(links.timer2),
      channel_(links.channel),
      dispatcher_(links.dispatcher),
      messages_(links.messages),
      read_(links.module, links.channel, table, tmrTokei, status),
      write_(links.module, links.channel, table, tmrWrite, status) {
    dispatcher_.setTableBranch(this);
    connect(&tmrTokei, &IntervalTimer::timeout, this, &TableScreen::tmrTokei_Timer);
    connect(&tmrWrite, &IntervalTimer::timeout, this, &TableScreen::tmrWrite_Timer);
    // A transfer whose command found no connection ends there: one message, not one a tick.
    connect(&channel_, &CommandChannel::sendFailed, this, &TableScreen::stopTransfers);
}

TableScreen::~TableScreen() {
    if (dispatcher_.tableBranch() == this) {
        dispatcher_.setTableBranch(nullptr);
    }
}

void TableScreen::setFileName(const QString& name) {
    if (name != fileName_) {
        fileName_ = name;
        Q_EMIT fileNameChanged(name);
    }
}

// --- Transfers --------------------------------------------------------------------------

void TableScreen::cmdDataRead_Click() {
    if (refuseWhileOtherTransferRuns(write_.running(),
                                     QStringLiteral("The table is being written ! Press R/W "
                                                    "Stop first."))) {
        return;
    }
    cmdDataClear_Click();
    read_.start();
}

void TableScreen::cmdDataWrite_Click() {
    if (refuseWhileOtherTransferRuns(read_.running(),
                                     QStringLiteral("The table is being read ! Press R/W "
                                                    "Stop first."))) {
        return;
    }
    write_.start();
}

// A read and a write share their position in the table; and a write started during a read
// would store a half-read table into the controller. So the second one is refused.
bool TableScreen::refuseWhileOtherTransferRuns(bool otherRuns, const QString& what) {
    if (otherRuns) {
        caution(what);
    }
    return otherRuns;
}

void TableScreen::Command2_Click() {
    stopTransfers();
}

void TableScreen::stopTransfers() {
    tmrTokei.setInterval(0);
    tmrWrite.setInterval(0);
}

void TableScreen::tmrTokei_Timer() {
    read_.tmrTokei_Timer();
}

void TableScreen::tmrWrite_Timer() {
    write_.tmrWrite_Timer();
}

bool TableScreen::ApplyTableReply(const QString& block) {
    return read_.ApplyTableReply(block);
}

// --- The table and the way back ---------------------------------------------------------

void TableScreen::cmdDataClear_Click() {
    if (tmrTokei.isRunning() || tmrWrite.isRunning()) {
        return;
    }
    table.clear();
}

void TableScreen::Command1_Click() {
    module_.ScreenMode = screenmode::Control;
    Q_EMIT hideRequested();
    timer2_.setInterval(kPollPeriodAfterReturn);
    tmrTokei.setInterval(0);  // a write goes on while the screen is hidden
}

void TableScreen::Form_Unload() {
    module_.ScreenMode = screenmode::Control;
    timer2_.setInterval(kPollPeriodAfterClose);
    stopTransfers();
    if (dispatcher_.tableBranch() == this) {
        dispatcher_.setTableBranch(nullptr);
    }
}

// --- The table file ---------------------------------------------------------------------

void TableScreen::cmdWrite_Click() {
    const QString line = tablefile::encode(table);
    if (fileName_.isEmpty()) {
        caution(QStringLiteral("Input file name !"));
        return;
    }
    const QString unsavable = tablefile::unsavableField(table);
    if (!unsavable.isEmpty()) {
        caution(unsavable + QStringLiteral(" holds a comma or a character that a table file "
                                           "cannot keep. Change it and save again."));
        return;
    }
    setFileName(tablefile::fileNameForSave(fileName_));
    const QString path = files.pathOf(fileName_);
    if (const std::optional<QString> error = tablefile::save(path, line)) {
        caution(QStringLiteral("The table could not be saved to ") + path + QStringLiteral(": ") +
                *error);
        return;
    }
    files.refresh();
}

void TableScreen::cmdRead_Click() {
    cmdDataClear_Click();
    const QString name = files.selectedFile();
    if (name.isEmpty()) {
        messages_.show({QStringLiteral("Indicate the file name in the folder !"), kCaution,
                        MessageIcon::Critical});
        return;
    }
    const QString path = files.pathOf(name);
    const tablefile::Loaded loaded = tablefile::load(path);
    if (!loaded.error.isEmpty()) {
        caution(path + QStringLiteral(" is not a table file that can be loaded: ") + loaded.error +
                QLatin1Char('.'));
        return;
    }
    tablefile::apply(loaded.fields, table);
}

void TableScreen::File1_Click(const QString& name) {
    files.selectFile(name);
    if (!files.selectedFile().isEmpty()) {
        setFileName(files.selectedFile());
    }
}

void TableScreen::caution(const QString& text) {
    messages_.show({text, kCaution, MessageIcon::Information});
}

}  // namespace quven
