#include "app/batch/BatchCommandLine.h"

#include "document/LogFont.h"

namespace casewright {

namespace {

QString Spelled(const QStringList& names) {
    QStringList spelled;
    for (const QString& name : names) {
        spelled << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    }
    return spelled.join(QStringLiteral(", "));
}

}  // namespace

BatchCommandLine::BatchCommandLine(QString command, QString usage, QString description)
    : command_(std::move(command)), usage_(std::move(usage)), description_(std::move(description)) {
    parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    addFlag({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("show this help"));
}

void BatchCommandLine::addFlag(const QStringList& names, const QString& description) {
    parser_.addOption(QCommandLineOption(names, description));
    entries_.append({names, QString(), description});
}

void BatchCommandLine::addOption(const QStringList& names, const QString& valueName,
                                 const QString& description) {
    parser_.addOption(QCommandLineOption(names, description, valueName));
    entries_.append({names, valueName, description});
}

std::optional<int> BatchCommandLine::wholeNumber(const QString& name, int min, int max,
                                                 int fallback) const {
    if (!isSet(name)) {
        return fallback;
    }
    bool ok = false;
    const int number = value(name).toInt(&ok);
    if (!ok || number < min || number > max) {
        return std::nullopt;
    }
    return number;
}

void BatchCommandLine::addFontDpiOption() {
    addOption({QStringLiteral("font-dpi")}, QStringLiteral("N"),
              QStringLiteral("the resolution the file's font heights are pixels at, for a file "
                             "made at another one (default %1)")
                  .arg(LogFont::kHeightDpi));
}

std::optional<int> BatchCommandLine::fontDpi() const {
    return wholeNumber(QStringLiteral("font-dpi"), 1, kMaxFontDpi, LogFont::kHeightDpi);
}

BatchCommandLine::Parsed BatchCommandLine::parse(const QStringList& args, BatchIo io) {
    // QCommandLineParser takes the first argument for the program name.
    if (!parser_.parse(QStringList{command_} + args)) {
        usageError(parser_.errorText(), io);
        return Parsed::UsageError;
    }
    if (parser_.isSet(QStringLiteral("help"))) {
        io.out << helpText();
        return Parsed::HelpShown;
    }
    return Parsed::Run;
}

QString BatchCommandLine::helpText() const {
    QString text = QStringLiteral("Usage: casewright-batch ") + usage_ + QStringLiteral("\n\n") +
                   description_ + QStringLiteral("\n\nOptions:\n");
    for (const Entry& e : entries_) {
        QString left = QStringLiteral("  ") + Spelled(e.names);
        if (!e.valueName.isEmpty()) {
            left += QLatin1Char(' ') + e.valueName;
        }
        text += left.leftJustified(30) + QLatin1Char(' ') + e.description + QLatin1Char('\n');
    }
    return text;
}

int BatchCommandLine::usageError(const QString& message, BatchIo io) const {
    io.err << "casewright-batch " << command_ << ": " << message << "\n"
           << "Try 'casewright-batch " << command_ << " --help'.\n";
    return kExitUsage;
}

int BatchCommandLine::failure(const QString& message, BatchIo io) const {
    io.err << "casewright-batch " << command_ << ": " << message << "\n";
    return kExitFailure;
}

void BatchCommandLine::warning(const QString& message, BatchIo io) const {
    io.err << "casewright-batch " << command_ << ": warning: " << message << "\n";
}

}  // namespace casewright
