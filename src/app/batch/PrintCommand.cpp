#include "app/batch/BatchCommands.h"

int RunPrintCommand(const QStringList& args, BatchIo io) {
    Q_UNUSED(args);
    io.err << "casewright-batch: 'print' is not available yet\n";
    return kExitUsage;
}
