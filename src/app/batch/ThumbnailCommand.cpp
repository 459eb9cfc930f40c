#include <unistd.h>

#include <QDir>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "app/CoverThumbnail.h"
#include "app/batch/BatchCommandLine.h"
#include "app/batch/BatchCommands.h"
#include "document/CoverFileReader.h"
#include "images/FreeImageSession.h"
#include "print/SurfaceExport.h"

namespace casewright {

namespace {

constexpr int kDefaultSide = 256;
// File managers give a thumbnailer a few seconds and then give up on the
// file, so a cover that takes longer than this is abandoned before anything
// is written.
constexpr std::chrono::milliseconds kTimeLimit{4000};
// Far more than a cover with four large photographs takes; a larger file is
// not read for a thumbnail.
constexpr qint64 kMaxInputBytes = 256LL * 1024 * 1024;

// Ends the process with kExitFailure when the work it guards has not
// finished in time, whatever the work is stuck in.
class Deadline {
public:
    explicit Deadline(std::chrono::milliseconds limit)
        : watcher_([this, limit] {
              std::unique_lock<std::mutex> lock(mutex_);
              if (!done_.wait_for(lock, limit, [this] { return finished_; })) {
                  static const char message[] = "casewright-batch thumbnail: out of time\n";
                  [[maybe_unused]] const ssize_t ignored =
                      ::write(STDERR_FILENO, message, sizeof message - 1);
                  ::_exit(kExitFailure);
              }
          }) {}
    ~Deadline() { finish(); }

    void finish() {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            finished_ = true;
        }
        done_.notify_all();
        if (watcher_.joinable()) {
            watcher_.join();
        }
    }

private:
    std::mutex mutex_;
    std::condition_variable done_;
    bool finished_ = false;
    std::thread watcher_;
};

BatchCommandLine ThumbnailCommandLine() {
    return BatchCommandLine(
        QStringLiteral("thumbnail"), QStringLiteral("thumbnail [options] IN.jkt OUT.png"),
        QStringLiteral(
            "Draws the front of a cover file (the front cover, the front half of a DVD wrap,\n"
            "the front panel of a slimline CD insert; the disc label when the front is\n"
            "empty) into a PNG image of at most SIZE x SIZE pixels, for file managers. It\n"
            "writes nothing but OUT.png, and nothing at all for a file it cannot draw\n"
            "within four seconds."));
}

void DeclareThumbnailOptions(BatchCommandLine& commandLine) {
    commandLine.addOption({QStringLiteral("s"), QStringLiteral("size")}, QStringLiteral("SIZE"),
                          QStringLiteral("the longer side in pixels, %1 to %2 (default %3)")
                              .arg(CoverThumbnail::kMinSide)
                              .arg(CoverThumbnail::kMaxSide)
                              .arg(kDefaultSide));
}

}  // namespace

int RunThumbnailCommand(const QStringList& args, BatchIo io) {
    return RunThumbnailCommand(args, io, kTimeLimit);
}

int RunThumbnailCommand(const QStringList& args, BatchIo io, std::chrono::milliseconds timeLimit) {
    BatchCommandLine commandLine = ThumbnailCommandLine();
    DeclareThumbnailOptions(commandLine);
    const BatchCommandLine::Parsed parsed = commandLine.parse(args, io);
    if (parsed != BatchCommandLine::Parsed::Run) {
        return BatchCommandLine::exitCodeOf(parsed);
    }
    const QStringList files = commandLine.positionals();
    const std::optional<int> side = commandLine.wholeNumber(
        QStringLiteral("size"), CoverThumbnail::kMinSide, CoverThumbnail::kMaxSide, kDefaultSide);
    if (files.size() != 2) {
        return commandLine.usageError(QStringLiteral("expected a cover file and an image to write"),
                                      io);
    }
    if (!side) {
        return commandLine.usageError(QStringLiteral("--size takes a whole number from %1 to %2")
                                          .arg(CoverThumbnail::kMinSide)
                                          .arg(CoverThumbnail::kMaxSide),
                                      io);
    }
    Deadline deadline(timeLimit);
    const std::optional<QByteArray> bytes = ReadCoverFileBytes(files.at(0), kMaxInputBytes);
    if (!bytes) {
        return commandLine.failure(
            QStringLiteral("cannot read \"%1\"").arg(QDir::toNativeSeparators(files.at(0))), io);
    }
    const FreeImageSession decoder;
    const CoverThumbnail thumbnail = CoverThumbnail::draw(*bytes, *side);
    deadline.finish();
    if (thumbnail.image.isNull()) {
        return commandLine.failure(
            QStringLiteral("\"%1\": %2")
                .arg(QDir::toNativeSeparators(files.at(0)), thumbnail.problem),
            io);
    }
    if (const QString problem = WritePngFile(thumbnail.image, files.at(1)); !problem.isEmpty()) {
        return commandLine.failure(QStringLiteral("cannot write \"%1\": %2")
                                       .arg(QDir::toNativeSeparators(files.at(1)), problem),
                                   io);
    }
    return kExitOk;
}

}  // namespace casewright
