// SPDX-License-Identifier: Apache-2.0
// The host history loader: the input is the whole history file. hosthistory::load must take the
// comma-terminated fields of the file's last line, at most six, and say whether it got six;
// what it loaded saves and loads back unchanged (padded to six), and so does the list after a
// connect to one of its hosts or to a new one has put that host on top.

#include <QStringList>

#include "FuzzSupport.h"
#include "link/HostHistory.h"

using namespace quven;

namespace {

// The entries the file's rules give: the last line (one final line end, CR LF, LF or CR, is not
// followed by a line; a byte-order mark at the very start is skipped), then up to six
// comma-terminated fields.
QStringList expectedEntries(const QByteArray& content) {
    QStringList fields =
        QString::fromLatin1(fuzz::lastLineByTheRules(fuzz::withoutLeadingMark(content)))
            .split(QLatin1Char(','));
    fields.removeLast();  // the text after the last comma is not a field
    return fields.mid(0, hosthistory::kFieldCount);
}

QStringList paddedToSix(QStringList entries) {
    while (entries.size() < hosthistory::kFieldCount) {
        entries.append(QString());
    }
    return entries;
}

bool isPlainEntry(const QString& entry) {
    for (QChar c : entry) {
        if (c == QLatin1Char(',') || c == QLatin1Char('\r') || c == QLatin1Char('\n') ||
            c.unicode() > 0xFF) {
            return false;
        }
    }
    return true;
}

void checkRoundTrip(const QStringList& entries, const char* what) {
    const QString copy = fuzz::scratchPath(QStringLiteral("copy.log"));
    FUZZ_CHECK(hosthistory::save(copy, entries),
               QStringLiteral("%1: a history of Latin-1 entries without commas was not saved")
                   .arg(QLatin1String(what)));
    const hosthistory::Loaded again = hosthistory::load(copy);
    FUZZ_CHECK(again.complete,
               QStringLiteral("%1: a saved history loads incomplete").arg(QLatin1String(what)));
    QStringList expected = paddedToSix(entries.mid(0, hosthistory::kFieldCount));
    // A first host that begins with the byte-order mark's characters is saved as the file's
    // first bytes, which a load takes for the mark.
    expected.first() = QString::fromLatin1(fuzz::withoutLeadingMark(expected.first().toLatin1()));
    FUZZ_CHECK(again.entries == expected,
               QStringLiteral("%1: the history came back as \"%2\" instead of \"%3\"")
                   .arg(QLatin1String(what), again.entries.join(QLatin1Char('|')),
                        entries.join(QLatin1Char('|'))));
}

void checkRemember(QStringList entries, const QString& host) {
    hosthistory::remember(entries, host);
    FUZZ_CHECK(entries.size() <= hosthistory::kFieldCount,
               QStringLiteral("%1 entries after a connect").arg(entries.size()));
    if (!host.isEmpty()) {
        FUZZ_CHECK(entries.value(0) == host, QStringLiteral("the host used is not on top"));
    }
    checkRoundTrip(entries, "after a connect");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray content = fuzz::bytesOf(data, size);
    const QString path = fuzz::inputFile(content, QStringLiteral("MainfRM_L.Log"));

    const hosthistory::Loaded loaded = hosthistory::load(path);
    FUZZ_CHECK(loaded.entries.size() <= hosthistory::kFieldCount,
               QStringLiteral("%1 entries loaded").arg(loaded.entries.size()));
    FUZZ_CHECK(loaded.complete == (loaded.entries.size() == hosthistory::kFieldCount),
               QStringLiteral("complete is %1 with %2 entries")
                   .arg(loaded.complete)
                   .arg(loaded.entries.size()));
    FUZZ_CHECK(loaded.entries == expectedEntries(content),
               QStringLiteral("loaded \"%1\", the last line holds \"%2\"")
                   .arg(loaded.entries.join(QLatin1Char('|')),
                        expectedEntries(content).join(QLatin1Char('|'))));
    for (const QString& entry : loaded.entries) {
        FUZZ_CHECK(isPlainEntry(entry), QStringLiteral("an entry holds a comma or a line end"));
    }

    checkRoundTrip(loaded.entries, "as loaded");
    checkRemember(loaded.entries, loaded.entries.value(loaded.entries.size() - 1));
    checkRemember(loaded.entries, QStringLiteral("127.0.0.1"));
    return 0;
}
