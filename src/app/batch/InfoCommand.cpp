#include "app/batch/BatchCommands.h"

int RunInfoCommand(const QStringList& args, BatchIo io) {
    Q_UNUSED(args);
    io.err << "casewright-batch: 'info' is not available yet\n";
    return kExitUsage;
}
