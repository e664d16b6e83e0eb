// SPDX-License-Identifier: Apache-2.0
#include "tool/ToolOptions.h"

#include <QCommandLineParser>
#include <algorithm>

#include "table/TableRead.h"
#include "table/TableWrite.h"

namespace quven::tool {

namespace {

constexpr int kMaxJobs = 4096;
constexpr int kMaxPaceMs = 60000;

struct Options {
    QCommandLineOption output{
        {QStringLiteral("o"), QStringLiteral("output")}, QString(), QStringLiteral("path")};
    QCommandLineOption verify{QStringLiteral("verify")};
    QCommandLineOption strict{QStringLiteral("strict")};
    QCommandLineOption json{QStringLiteral("json")};
    QCommandLineOption hosts{QStringLiteral("hosts"), QString(), QStringLiteral("file")};
    QCommandLineOption jobs{QStringLiteral("jobs"), QString(), QStringLiteral("n")};
    QCommandLineOption readPace{QStringLiteral("read-pace"), QString(), QStringLiteral("ms")};
    QCommandLineOption writePace{QStringLiteral("write-pace"), QString(), QStringLiteral("ms")};
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}};
    QCommandLineOption version{QStringLiteral("version")};
};

// The commands each option applies to.
struct Applies {
    const QCommandLineOption& option;
    QList<Command> commands;
    const char* commandNames;
};

ParsedCommandLine usageError(const QString& error) {
    return {std::nullopt, error};
}

std::optional<int> wholeNumber(const QString& text, int low, int high) {
    if (text.isEmpty() || text.size() > 9 || !std::all_of(text.begin(), text.end(), [](QChar c) {
            return c.unicode() < 128 && c.isDigit();
        })) {
        return std::nullopt;
    }
    const int value = text.toInt();
    return value >= low && value <= high ? std::optional<int>(value) : std::nullopt;
}

std::optional<Command> commandNamed(const QString& name) {
    const QList<std::pair<const char*, Command>> names = {
        {"read", Command::Read}, {"write", Command::Write}, {"verify", Command::Verify},
        {"diff", Command::Diff}, {"show", Command::Show},   {"help", Command::Help}};
    for (const auto& [word, command] : names) {
        if (name == QLatin1String(word)) {
            return command;
        }
    }
    return std::nullopt;
}

// Reads a number option into target; false with the error set when it is not in range.
bool readNumber(const QCommandLineParser& parser, const QCommandLineOption& option, int low,
                int high, int& target, QString& error) {
    if (!parser.isSet(option)) {
        return true;
    }
    const std::optional<int> value = wholeNumber(parser.value(option), low, high);
    if (!value) {
        error = QStringLiteral("--%1 takes a whole number from %2 to %3, not \"%4\"")
                    .arg(option.names().last())
                    .arg(low)
                    .arg(high)
                    .arg(parser.value(option));
        return false;
    }
    target = *value;
    return true;
}

QString misplacedOption(const QCommandLineParser& parser, const Options& o, Command command) {
    const QList<Applies> rules = {
        {o.output, {Command::Read}, "read"},
        {o.verify, {Command::Write}, "write"},
        {o.strict, {Command::Write, Command::Verify, Command::Diff}, "write, verify and diff"},
        {o.json, {Command::Show, Command::Diff}, "show and diff"},
        {o.hosts, {Command::Read, Command::Write, Command::Verify}, "read, write and verify"},
        {o.jobs, {Command::Read, Command::Write, Command::Verify}, "read, write and verify"},
        {o.readPace,
         {Command::Read, Command::Write, Command::Verify, Command::Diff, Command::Show},
         "the commands that read"},
        {o.writePace, {Command::Write}, "write"},
    };
    for (const Applies& rule : rules) {
        if (parser.isSet(rule.option) && !rule.commands.contains(command)) {
            return QStringLiteral("--%1 applies to %2 only")
                .arg(rule.option.names().last(), QLatin1String(rule.commandNames));
        }
    }
    return QString();
}

// The positional arguments after the command word, as its operands.
QString takeOperands(ToolOptions& options, QStringList operands, const QString& hostsFile) {
    switch (options.command) {
        case Command::Write:
        case Command::Verify:
            if (operands.isEmpty()) {
                return QStringLiteral("name the table file, then the controllers");
            }
            options.tableFile = operands.takeFirst();
            [[fallthrough]];
        case Command::Read: {
            const ControllerList list = collectControllers(operands, hostsFile);
            if (!list.error.isEmpty()) {
                return list.error;
            }
            if (list.addresses.isEmpty()) {
                return QStringLiteral("name at least one controller, HOST[:PORT], or --hosts FILE");
            }
            options.controllers = list.addresses;
            return QString();
        }
        case Command::Diff:
        case Command::Show: {
            const int wanted = options.command == Command::Diff ? 2 : 1;
            if (operands.size() != wanted) {
                return options.command == Command::Diff
                           ? QStringLiteral("diff compares two tables: diff A B")
                           : QStringLiteral("show takes one table: show FILE|HOST[:PORT]");
            }
            options.sources = operands;
            return QString();
        }
        default:
            return QString();
    }
}

}  // namespace

ParsedCommandLine parseCommandLine(const QStringList& arguments) {
    Options o;
    QCommandLineParser parser;
    parser.addOptions({o.output, o.verify, o.strict, o.json, o.hosts, o.jobs, o.readPace,
                       o.writePace, o.help, o.version});
    if (!parser.parse(QStringList{QStringLiteral("quven-table")} + arguments)) {
        return usageError(parser.errorText());
    }
    ToolOptions options;
    options.readPaceMs = TableRead::kPeriodMs;
    options.writePaceMs = TableWrite::kPeriodMs;
    if (parser.isSet(o.help)) {
        return {options, QString()};
    }
    if (parser.isSet(o.version)) {
        options.command = Command::Version;
        return {options, QString()};
    }
    QStringList operands = parser.positionalArguments();
    if (operands.isEmpty()) {
        return usageError(QStringLiteral("name a command: read, write, verify, diff or show"));
    }
    const std::optional<Command> command = commandNamed(operands.first());
    if (!command) {
        return usageError(QStringLiteral("\"%1\" is not a command; the commands are read, write, "
                                         "verify, diff and show")
                              .arg(operands.first()));
    }
    options.command = *command;
    operands.removeFirst();
    if (const QString misplaced = misplacedOption(parser, o, options.command);
        !misplaced.isEmpty()) {
        return usageError(misplaced);
    }
    QString error;
    if (!readNumber(parser, o.jobs, 1, kMaxJobs, options.jobs, error) ||
        !readNumber(parser, o.readPace, 0, kMaxPaceMs, options.readPaceMs, error) ||
        !readNumber(parser, o.writePace, 1, kMaxPaceMs, options.writePaceMs, error)) {
        return usageError(error);
    }
    options.output = parser.value(o.output);
    if (parser.isSet(o.output) && options.output.isEmpty()) {
        return usageError(QStringLiteral("-o takes a file or folder name"));
    }
    options.verify = parser.isSet(o.verify);
    options.strict = parser.isSet(o.strict);
    options.json = parser.isSet(o.json);
    if (options.strict && options.command == Command::Write && !options.verify) {
        return usageError(QStringLiteral("--strict applies to write --verify only"));
    }
    error = takeOperands(options, operands, parser.value(o.hosts));
    if (!error.isEmpty()) {
        return usageError(error);
    }
    return {options, QString()};
}

}  // namespace quven::tool

namespace quven::tool {

QString helpText() {
    return QStringLiteral(
        "Usage: quven-table COMMAND [OPTION]... OPERAND...\n"
        "Back up, restore, verify and compare the setting tables of QUVEN-01 controllers.\n"
        "\n"
        "Commands:\n"
        "  read HOST[:PORT]... [-o PATH]\n"
        "      Read each controller's table and save it as a table file: one controller to\n"
        "      -o FILE or to standard output, several into -o DIR, one HOST_PORT.txt each.\n"
        "  write FILE HOST[:PORT]... [--verify]\n"
        "      Write the file's table into each controller; --verify then reads it back and\n"
        "      compares.\n"
        "  verify FILE HOST[:PORT]...\n"
        "      Read each controller's table and compare it with the file; writes nothing.\n"
        "  diff A B\n"
        "      List the fields in which two tables differ, one a line. A and B are each a\n"
        "      table file, a JSON table of show --json, or HOST[:PORT].\n"
        "  show FILE|HOST[:PORT]\n"
        "      The table as a text grid laid out like the data-table screen.\n"
        "\n"
        "Options:\n"
        "  -o, --output PATH  read: the table file (one controller) or the folder (several)\n"
        "  --verify           write: read the table back and compare it with the file\n"
        "  --strict           write --verify, verify, diff: compare every field as it stands,\n"
        "                     not as far as a round trip through a controller keeps it\n"
        "  --json             show, diff: JSON on standard output\n"
        "  --hosts FILE       read, write, verify: the controllers listed in FILE as well,\n"
        "                     one HOST[:PORT] a line, # starting a comment\n"
        "  --jobs N           serve at most N controllers at once (default 32)\n"
        "  --read-pace MS     one query a tick of MS ms (default 20); 0: each query as soon\n"
        "                     as the reply before it has been handled\n"
        "  --write-pace MS    one set command a tick of MS ms (default 30)\n"
        "  -h, --help         show this help and stop\n"
        "  --version          show the version and stop\n"
        "\n"
        "HOST is a host name, an IPv4 address or an IPv6 address in brackets ([::1]:7777). The\n"
        "port is 7777 unless given; ports are 1 to 65535. Only the controllers named are\n"
        "connected to.\n"
        "\n"
        "Exit status: 0 everything succeeded and matched; 1 a verify or diff found differences;\n"
        "2 a usage error, a file that is not a table file, a controller that could not be\n"
        "reached, or output that could not be written; 3 a read stayed incomplete. With several "
        "controllers, the highest of theirs.\n"
        "\n"
        "The full guide: docs/TABLE_TOOL.md, or man quven-table.\n");
}

}  // namespace quven::tool
