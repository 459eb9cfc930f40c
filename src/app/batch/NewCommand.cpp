#include "app/batch/BatchCommands.h"

int RunNewCommand(const QStringList& args, BatchIo io) {
    Q_UNUSED(args);
    io.err << "casewright-batch: 'new' is not available yet\n";
    return kExitUsage;
}
