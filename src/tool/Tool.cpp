// SPDX-License-Identifier: Apache-2.0
#include "tool/Tool.h"

#include <algorithm>

#include "core/Version.h"
#include "tool/Commands.h"
#include "tool/ToolOptions.h"

namespace quven::tool {

namespace {
constexpr int kUsageError = 2;
}

namespace {
int runCommand(const QStringList& arguments, Reporter& reporter) {
    const ParsedCommandLine parsed = parseCommandLine(arguments);
    if (!parsed.options) {
        reporter.message(parsed.error);
        reporter.message(QStringLiteral("see quven-table --help"));
        return kUsageError;
    }
    const ToolOptions& options = *parsed.options;
    switch (options.command) {
        case Command::Read:
            return runRead(options, reporter);
        case Command::Write:
        case Command::Verify:
            return runWrite(options, reporter);
        case Command::Diff:
            return runDiff(options, reporter);
        case Command::Show:
            return runShow(options, reporter);
        case Command::Version:
            reporter.text(QStringLiteral("quven-table %1\n").arg(QLatin1String(kVersion)));
            return 0;
        default:
            reporter.text(helpText());
            return 0;
    }
}
}  // namespace

int runTool(const QStringList& arguments, const ToolStreams& streams) {
    Reporter reporter(streams);
    const int status = runCommand(arguments, reporter);
    // What standard output could not take is lost: the run did not succeed (a command that
    // failed for it has said so already).
    if (reporter.outputLost() && status < kUsageError) {
        reporter.message(QStringLiteral("cannot write standard output"));
        return std::max(status, kUsageError);
    }
    return status;
}

}  // namespace quven::tool
