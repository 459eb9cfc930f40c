#pragma once

#include <QFile>
#include <QString>

namespace casewright {

// Opens `file` (named already) for reading only when it is a regular file:
// a FIFO would block the open or the read for ever, and a device such as
// /dev/zero never ends. The check is made on the opened descriptor, so the
// name cannot be swapped between check and read. On failure `reason` says
// why, in words for a message.
bool OpenRegularFileForReading(QFile& file, QString* reason);

}  // namespace casewright
