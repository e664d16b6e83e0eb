// SPDX-License-Identifier: Apache-2.0
#include "table/TableScreen.h"

#include "core/MessageSeam.h"
#include "link/CommandChannel.h"
#include "link/ReplyDispatcher.h"
#include "table/TableFile.h"
#include "table/TableItems.h"

namespace quven {

namespace ti = tableindex;

namespace {
const QString kCaution = QStringLiteral("Caution !");
const char* const kSpeedColumns[] = {" HSPD", " MSPD", " LSPD", " RATE"};
}  // namespace

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
    read_.setTimeOutObserver(
        [this](const QString& query, bool givenUp) { Q_EMIT readTimedOut(query, givenUp); });
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
    Q_EMIT readStarted();
}

void TableScreen::cmdDataWrite_Click() {
    if (refuseWhileOtherTransferRuns(read_.running(),
                                     QStringLiteral("The table is being read ! Press R/W "
                                                    "Stop first."))) {
        return;
    }
    if (!writeConfirmed()) {
        return;
    }
    write_.start();
    Q_EMIT writeStarted();
}

// Empty fields are written as zeros, and a field the last read could not read holds nothing the
// controller said: before either reaches the controller, the operator decides.
bool TableScreen::writeConfirmed() {
    const QStringList fields = fieldsToConfirm();
    if (fields.isEmpty()) {
        return true;
    }
    return messages_.ask(
        {QStringLiteral("Data Write would send %1 field(s) that are empty or were not read from "
                        "the controller: %2.\nEmpty fields are written as 0. Write the table "
                        "anyway?")
             .arg(fields.size())
             .arg(tableitems::firstFew(fields)),
         kCaution, MessageIcon::Information});
}

// In the order the write sends them.
QStringList TableScreen::fieldsToConfirm() const {
    using namespace tableitems;
    QStringList fields;
    for (int row = 0; row < kRows; ++row) {
        if (unread.isMarked(item(Positions, row)) || table.Text2(ti::position(row)).isEmpty()) {
            fields.append(rowName(row) + QStringLiteral(" POS"));
        }
    }
    for (int row = 0; row < kRows; ++row) {
        for (int column = ti::Hspd; column <= ti::Rate; ++column) {
            if (unread.isMarked(item(Speeds, row)) ||
                table.Text1(ti::speed(row, column)).isEmpty()) {
                fields.append(rowName(row) + QLatin1String(kSpeedColumns[column]));
            }
        }
    }
    for (int row = 0; row < kRows; ++row) {
        if (unread.isMarked(item(Switches, row))) {
            fields.append(name(item(Switches, row)));
        }
    }
    if (unread.isMarked(item(LimitStop, 0))) {
        fields.append(name(item(LimitStop, 0)));
    }
    return fields;
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
    stopRead();
    const bool writing = write_.running();
    tmrWrite.setInterval(0);
    if (writing) {
        writeStoppedInTick_ = true;
        Q_EMIT writeStopped();
    }
}

void TableScreen::stopRead() {
    const bool reading = read_.running();
    tmrTokei.setInterval(0);
    if (reading) {
        readEnded(false);
    }
}

void TableScreen::tmrTokei_Timer() {
    if (read_.tmrTokei_Timer()) {
        readEnded(true);
    }
}

// Whatever the read could not read is marked on the screen. A read that ran to its end tells
// the operator what is missing; one that was stopped (by R/W Stop, by leaving the screen or by a
// lost connection) was stopped knowingly or has been reported already.
void TableScreen::readEnded(bool finished) {
    const QList<int> items = read_.unreadItems();
    unread.mark(items);
    if (finished) {
        Q_EMIT readFinished(int(items.size()));
    } else {
        Q_EMIT readStopped(int(items.size()));
    }
    if (!finished || items.isEmpty()) {
        return;
    }
    QStringList names;
    for (const int item : items) {
        names.append(tableitems::name(item));
    }
    caution(QStringLiteral("Data Read incomplete: %1 of the %2 items were not read, as the "
                           "controller did not answer: %3.\nThe cells that were not read are "
                           "marked; check them before a Data Write.")
                .arg(items.size())
                .arg(tableitems::kCount)
                .arg(tableitems::firstFew(names)));
}

void TableScreen::tmrWrite_Timer() {
    const bool writing = write_.running();
    writeStoppedInTick_ = false;  // a send failure stops the write inside the tick
    write_.tmrWrite_Timer();
    if (writing && !write_.running() && !writeStoppedInTick_) {
        Q_EMIT writeFinished();
    }
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
    unread.clearAll();
}

void TableScreen::Command1_Click() {
    module_.ScreenMode = screenmode::Control;
    Q_EMIT hideRequested();
    timer2_.setInterval(kPollPeriodAfterReturn);
    stopRead();  // a write goes on while the screen is hidden
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
    unread.clearAll();
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
