// SPDX-License-Identifier: Apache-2.0
// The simulator's command interpreter: each line of the input (split at LF, a CR before it
// taken off, as the server does) goes to ControllerModel::execute, and 10 ms of motion pass
// after it. A line "#" followed by digits is not a command: it lets that many milliseconds pass
// instead (at most ten minutes, so a run stays short).
//
// Invariants: only a line ending in "?" is answered, and it always is; no answer holds CR or
// LF; each known query is answered in its documented format and any other query with "ERR";
// an action is never answered; no axis is at both of its limit switches; notices are "SRQ01" or
// "SRQ02".

#include <QRegularExpression>
#include <algorithm>
#include <optional>

#include "FuzzSupport.h"
#include "sim/ControllerModel.h"

using quven::sim::ControllerModel;

namespace {

constexpr qint64 kStepMs = 10;
constexpr qint64 kMaxAdvanceMs = 10 * 60 * 1000;

struct AnswerFormat {
    QRegularExpression query;
    QRegularExpression answer;
};

const QList<AnswerFormat>& answerFormats() {
    static const QList<AnswerFormat> formats = [] {
        const auto re = [](const char* pattern) {
            return QRegularExpression(QStringLiteral("\\A(?:%1)\\z").arg(QLatin1String(pattern)));
        };
        return QList<AnswerFormat>{
            {re("VER\\?"), re("QUVEN01 V1\\.20")},
            {re("CNT\\?|[NF]CNT[0-7]\\?"), re("[+-][0-9]{7,}")},
            {re("MODE\\?"), re("N[01]{8}|F[0-7]")},
            {re("SPD\\?"), re("SPD[HML]")},
            {re("LS\\?"), re("LS [HML] [0-9A-F]{2} CCWLS [0-9A-F]{2}")},
            {re("([NF]SPD[0-7])\\?"), re("[NF]SPD[0-7]:[0-9]{5}/[0-9]{5}/[0-9]{5}/[0-9]{2}")},
            {re("NSET[0-7]\\?"), re("NSET[0-7][STC][012]{3}")},
            {re("FSET[0-7]\\?"), re("FSET[0-7][STC][012]{8}")},
            {re("SLS\\?"), re("LS[ES][AS]")},
        };
    }();
    return formats;
}

void checkAnswer(const QByteArray& line, const QByteArray& answer) {
    const QString query = QString::fromLatin1(line);
    const QString text = QString::fromLatin1(answer);
    FUZZ_CHECK(!answer.contains('\r') && !answer.contains('\n'),
               QStringLiteral("the answer to %1 holds a line end").arg(query));
    for (const AnswerFormat& format : answerFormats()) {
        if (format.query.match(query).hasMatch()) {
            FUZZ_CHECK(format.answer.match(text).hasMatch(),
                       QStringLiteral("%1 was answered \"%2\"").arg(query, text));
            if (line.startsWith("NSPD") || line.startsWith("FSPD") || line.startsWith("NSET") ||
                line.startsWith("FSET")) {
                FUZZ_CHECK(answer.startsWith(line.left(5)),
                           QStringLiteral("%1 was answered \"%2\"").arg(query, text));
            }
            return;
        }
    }
    FUZZ_CHECK(answer == "ERR",
               QStringLiteral("the unknown query %1 was answered \"%2\"").arg(query, text));
}

void checkModel(ControllerModel& model) {
    for (int axis = 0; axis < ControllerModel::kAxes; ++axis) {
        FUZZ_CHECK(!(model.clockwiseLimit(axis) && model.counterClockwiseLimit(axis)),
                   QStringLiteral("axis %1 is at both limit switches").arg(axis));
    }
    for (const QByteArray& notice : model.takeNotices()) {
        FUZZ_CHECK(notice == "SRQ01" || notice == "SRQ02",
                   QStringLiteral("notice ") + QString::fromLatin1(notice));
    }
}

// "#" and digits: the milliseconds to let pass, bounded.
std::optional<qint64> advanceDirective(const QByteArray& line) {
    if (line.size() < 2 || line.at(0) != '#') {
        return std::nullopt;
    }
    qint64 ms = 0;
    for (char c : line.mid(1)) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        ms = std::min(ms * 10 + (c - '0'), kMaxAdvanceMs);
    }
    return ms;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ControllerModel model;
    for (QByteArray line : quven::fuzz::bytesOf(data, size).split('\n')) {
        if (line.endsWith('\r')) {
            line.chop(1);
        }
        if (const std::optional<qint64> ms = advanceDirective(line)) {
            model.advance(*ms);
            checkModel(model);
            continue;
        }
        const ControllerModel::Outcome outcome = model.execute(line);
        if (line.endsWith('?')) {
            FUZZ_CHECK(outcome.answer.has_value(),
                       QStringLiteral("the query %1 got no answer").arg(QString::fromLatin1(line)));
            checkAnswer(line, *outcome.answer);
        } else {
            FUZZ_CHECK(!outcome.answer.has_value(),
                       QStringLiteral("the action %1 was answered").arg(QString::fromLatin1(line)));
        }
        model.advance(kStepMs);
        checkModel(model);
    }
    return 0;
}
