#pragma once

#include <QStringList>
#include <QTextStream>
#include <chrono>

namespace casewright {

// The commands of casewright-batch. Each takes the arguments after its name
// and returns the process exit code: 0 success, 1 failure of input, output
// or printer, 2 a usage error.
struct BatchIo {
    QTextStream& out;
    QTextStream& err;
};

int RunInfoCommand(const QStringList& args, BatchIo io);
int RunNewCommand(const QStringList& args, BatchIo io);
int RunRenderCommand(const QStringList& args, BatchIo io);
int RunPrintCommand(const QStringList& args, BatchIo io);
int RunStocksCommand(const QStringList& args, BatchIo io);
int RunCalibrateCommand(const QStringList& args, BatchIo io);
int RunThumbnailCommand(const QStringList& args, BatchIo io);
// The thumbnail command with the time it is given before it gives up, so
// that tests can force the limit without a slow file.
int RunThumbnailCommand(const QStringList& args, BatchIo io, std::chrono::milliseconds timeLimit);

// Dispatches argv (without the program name) to a command.
int RunBatch(const QStringList& args, BatchIo io);

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

}  // namespace casewright
