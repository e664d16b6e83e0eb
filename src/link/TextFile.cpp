#include "link/TextFile.h"

namespace quven {

namespace {
bool isLineEnd(char c) {
    return c == '\n' || c == '\r';
}

// The length of the line end that finishes at index end - 1 (0, 1 or 2 for CR LF).
int lineEndBefore(const QByteArray& content, int end) {
    if (end <= 0 || !isLineEnd(content.at(end - 1))) {
        return 0;
    }
    if (content.at(end - 1) == '\n' && end >= 2 && content.at(end - 2) == '\r') {
        return 2;
    }
    return 1;
}
}  // namespace

QString lastLineOf(const QByteArray& content) {
    const int end = content.size() - lineEndBefore(content, content.size());
    int start = end;
    while (start > 0 && !isLineEnd(content.at(start - 1))) {
        --start;
    }
    return QString::fromLatin1(content.mid(start, end - start));
}

}  // namespace quven
