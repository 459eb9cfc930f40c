#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>

namespace casewright {

// The text of the settings file: the INI form that QSettings (IniFormat)
// reads and writes on Linux, so that files of every earlier version read as
// they always did and a clean file is written back as QSettings would write
// it. Keys without a group live in [General]; a key "Group/name" is "name"
// in [Group]. Sections and keys are written sorted, with QSettings'
// escaping and its type markers ("@ByteArray(...)", "@Variant(...)", ...).
//
// Reading never gives up on the whole file: a line that cannot be read is
// left out and counted, and every other line is still read. That is where
// it parts from QSettings, which takes the rest of the file for the name of
// an unclosed "[Section" and lets an open quote run on over line breaks.
class SettingsIniFile {
public:
    static SettingsIniFile Parse(QByteArrayView bytes);

    // Lines left out or read only in part: a section header without its
    // closing bracket, a line that is neither a key, a header nor a comment,
    // a quote still open at the end of its line, bytes that are not UTF-8.
    int damagedLines() const { return damagedLines_; }

    // By full key ("Option", "Group/name"); nothing when the file lacks it.
    // "@Invalid()" gives an invalid QVariant, as QSettings does.
    std::optional<QVariant> value(const QString& key) const;
    void setValue(const QString& key, const QVariant& value);
    QStringList keys() const { return values_.keys(); }

    QByteArray toBytes() const;

private:
    QMap<QString, QVariant> values_;
    int damagedLines_ = 0;
};

}  // namespace casewright
