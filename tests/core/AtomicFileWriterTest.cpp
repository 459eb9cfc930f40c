#include "document/AtomicFileWriter.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>

#include "support/TinyFileSystem.h"

namespace casewright {
namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool WriteThrough(const QString& path, const QByteArray& data, bool viaDevice) {
    AtomicFileWriter writer(path);
    if (!writer.open()) {
        return false;
    }
    if (viaDevice) {
        writer.device()->write(data);
    } else {
        writer.write(data);
    }
    return writer.commit();
}

TEST(AtomicFileWriterTest, AFullDiskFailsTheCommitAndKeepsTheOldFile) {
    TinyFileSystem disk(256);
    ASSERT_TRUE(disk.mounted()) << "mounting a tmpfs needs root";
    const QString target = disk.path(QStringLiteral("cover.jkt"));
    ASSERT_TRUE(WriteThrough(target, "old contents", false));
    for (const int kilobytesLeft : {0, 40}) {
        disk.fill(kilobytesLeft);
        for (const bool viaDevice : {false, true}) {
            SCOPED_TRACE(QStringLiteral("%1 KB free, through %2")
                             .arg(kilobytesLeft)
                             .arg(viaDevice ? "the device" : "write()")
                             .toStdString());
            AtomicFileWriter writer(target);
            ASSERT_TRUE(writer.open() || !writer.errorString().isEmpty());
            if (viaDevice) {
                writer.device()->write(QByteArray(64 * 1024, 'n'));
            } else {
                writer.write(QByteArray(64 * 1024, 'n'));
            }
            EXPECT_FALSE(writer.commit());
            EXPECT_FALSE(writer.errorString().isEmpty());
            EXPECT_EQ(ReadAll(target), "old contents");
        }
    }
    EXPECT_EQ(QDir(disk.path(QString())).entryList(QDir::Files).size(), 2)
        << "only the old file and the filler remain";
}

TEST(AtomicFileWriterTest, WritesAndReplacesWhenThereIsRoom) {
    TinyFileSystem disk(256);
    ASSERT_TRUE(disk.mounted()) << "mounting a tmpfs needs root";
    const QString target = disk.path(QStringLiteral("out.bin"));
    EXPECT_TRUE(WriteThrough(target, "first", false));
    EXPECT_TRUE(WriteThrough(target, QByteArray(100 * 1024, 'y'), true));
    EXPECT_EQ(ReadAll(target), QByteArray(100 * 1024, 'y'));
}

TEST(AtomicFileWriterTest, AWriterDroppedBeforeCommitLeavesNothing) {
    TinyFileSystem disk(256);
    ASSERT_TRUE(disk.mounted()) << "mounting a tmpfs needs root";
    {
        AtomicFileWriter writer(disk.path(QStringLiteral("never.bin")));
        ASSERT_TRUE(writer.open());
        writer.write("half");
    }
    EXPECT_TRUE(QDir(disk.path(QString())).entryList(QDir::Files).isEmpty());
}

}  // namespace
}  // namespace casewright
