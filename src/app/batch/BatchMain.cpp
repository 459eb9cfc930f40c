#include "app/batch/BatchCommands.h"

#include <algorithm>

#include "app/ProductInfo.h"

namespace casewright {

namespace {

struct Command {
    const char* name;
    const char* usage;  // as the command's own --help shows it
    const char* summary;
    int (*run)(const QStringList&, BatchIo);
};

const Command kCommands[] = {
    {"info", "info FILE.jkt", "show what a cover file holds", RunInfoCommand},
    {"new", "new [options] FILE.jkt", "create a cover file (see new --help)", RunNewCommand},
    {"render", "render [options] FILE.jkt [SURFACE]",
     "draw a surface into an image (see render --help)", RunRenderCommand},
    {"print", "print [options] FILE.jkt", "print a cover or save it as PDF (see print --help)",
     RunPrintCommand},
    {"stocks", "stocks", "list the paper and label sheets for the disc", RunStocksCommand},
    {"calibrate", "calibrate [options]",
     "print a label sheet's calibration page (see calibrate --help)", RunCalibrateCommand},
    {"thumbnail", "thumbnail [options] IN.jkt OUT.png",
     "draw the cover's front as a file manager's thumbnail", RunThumbnailCommand},
};

void PrintUsage(QTextStream& s) {
    int width = 0;
    for (const Command& c : kCommands) {
        width = std::max(width, static_cast<int>(qstrlen(c.usage)));
    }
    const auto line = [&s, width](const QString& usage, const char* summary) {
        s << "  " << usage.leftJustified(width + 2) << summary << "\n";
    };
    s << "Usage: casewright-batch COMMAND [options]\n\n"
      << "Inspect, create, render and print Casewright cover files without a window.\n\n"
      << "Commands:\n";
    for (const Command& c : kCommands) {
        line(QLatin1String(c.usage), c.summary);
    }
    line(QStringLiteral("--version"), "print the version");
    line(QStringLiteral("-h, --help"), "show this help");
    s << "\nExit status: 0 success, 1 file or printer failure, 2 usage error.\n";
}

}  // namespace

int RunBatch(const QStringList& args, BatchIo io) {
    if (args.isEmpty()) {
        PrintUsage(io.err);
        return kExitUsage;
    }
    const QString name = args.first();
    if (name == QLatin1String("--help") || name == QLatin1String("-h") ||
        name == QLatin1String("help")) {
        PrintUsage(io.out);
        return kExitOk;
    }
    if (name == QLatin1String("--version")) {
        io.out << ProductInfo::Version() << "\n";
        return kExitOk;
    }
    for (const Command& c : kCommands) {
        if (name == QLatin1String(c.name)) {
            return c.run(args.mid(1), io);
        }
    }
    io.err << "casewright-batch: unknown command '" << name << "'\n\n";
    PrintUsage(io.err);
    return kExitUsage;
}

}  // namespace casewright
