#pragma once

#include <QByteArray>
#include <QString>

namespace quven {

// The console's files are read line by line and only their last line counts (each line read
// replaces the one before). Lines end in CR LF, LF or CR, so files written on any system read
// the same. Bytes become characters one to one (Latin-1). A file that ends in a line end has
// no empty line after it; one that ends in two has, and that empty line is the last one.
QString lastLineOf(const QByteArray& content);

}  // namespace quven
