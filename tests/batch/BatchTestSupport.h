#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include "app/batch/BatchCommands.h"
#include "support/TestEnvironment.h"

namespace casewright {

// Runs casewright-batch commands in-process with fresh settings and cache
// folders, capturing what they print.
class BatchTest : public IsolatedSettingsTest {
protected:
    struct Run {
        int code;
        QString out;
        QString err;
    };

    static Run RunCommand(const QStringList& args) {
        Run run{0, QString(), QString()};
        QTextStream out(&run.out);
        QTextStream err(&run.err);
        run.code = RunBatch(args, BatchIo{out, err});
        out.flush();
        err.flush();
        return run;
    }

    static void WriteBytes(const QString& path, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }

    static QByteArray ReadBytes(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // The value of one key=value line of info's output.
    static QString InfoValue(const QString& info, const QString& key) {
        for (const QString& line : info.split(QLatin1Char('\n'))) {
            if (line.startsWith(key + QLatin1Char('='))) {
                return line.mid(key.size() + 1);
            }
        }
        return QStringLiteral("<missing>");
    }
};

}  // namespace casewright
