#include "app/batch/BatchCommands.h"

int RunRenderCommand(const QStringList& args, BatchIo io) {
    Q_UNUSED(args);
    io.err << "casewright-batch: 'render' is not available yet\n";
    return kExitUsage;
}
