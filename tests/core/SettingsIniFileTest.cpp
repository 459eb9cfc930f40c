#include "app/SettingsIniFile.h"

#include <gtest/gtest.h>
#include <QDateTime>
#include <QFile>
#include <QPoint>
#include <QRect>
#include <QSettings>
#include <QSize>
#include <QTemporaryDir>
#include <random>

namespace casewright {

namespace {

// QSettings itself is the reference: every case goes through a file of its
// own, so that QSettings' per-file cache never answers for another case.
class QSettingsReference {
public:
    QString freshPath() { return dir_.path() + QStringLiteral("/case%1.conf").arg(++cases_); }

    QString write(const QByteArray& bytes) {
        const QString path = freshPath();
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    static QByteArray read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // What QSettings writes for `values` set, in order, into `bytes`.
    QByteArray merged(const QByteArray& bytes, const QList<QPair<QString, QVariant>>& values) {
        const QString path = write(bytes);
        {
            QSettings ini(path, QSettings::IniFormat);
            for (const auto& [key, value] : values) {
                ini.setValue(key, value);
            }
            ini.sync();
            EXPECT_EQ(ini.status(), QSettings::NoError);
        }
        return read(path);
    }

private:
    QTemporaryDir dir_;
    int cases_ = 0;
};

// Our reading must give QSettings' keys and values.
void ExpectSameReading(const SettingsIniFile& ours, const QSettings& reference) {
    EXPECT_EQ(ours.keys().join(QLatin1Char('|')).toStdString(),
              reference.allKeys().join(QLatin1Char('|')).toStdString());
    for (const QString& key : reference.allKeys()) {
        SCOPED_TRACE(key.toStdString());
        const std::optional<QVariant> value = ours.value(key);
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(*value, reference.value(key));
    }
}

// Random INI text made of pieces QSettings gives meaning to. No raw line
// breaks inside values: QSettings lets an open quote run on over them,
// which our reading deliberately stops at.
class IniTextMaker {
public:
    explicit IniTextMaker(unsigned seed) : random_(seed) {}

    QByteArray file() {
        static const char* const kHeaders[] = {
            "[General]", "[general]",  "[Other]",       "[%General]", "[a%20b]",
            "[x\\y]",    "[ Spaced ]", "[Caf\xc3\xa9]", "[Zeta]",     "[other]"};
        static const char* const kBreaks[] = {"\n", "\r\n", "\r", "\n\n"};
        QByteArray text;
        const int lines = 1 + pick(12);
        for (int i = 0; i < lines; ++i) {
            switch (pick(10)) {
                case 0:
                    text += kHeaders[pick(std::size(kHeaders))];
                    break;
                case 1:
                    text += "; a comment, \"quoted\" = not a key";
                    break;
                default:
                    text +=
                        (pick(4) == 0 ? "  " : "") + key() + (pick(3) == 0 ? " = " : "=") + value();
            }
            text += kBreaks[pick(std::size(kBreaks))];
        }
        return text;
    }

private:
    QByteArray key() {
        static const char* const kKeys[] = {
            "Option",  "lastPath",   "k",        "K",       "a%41", "b%U00e9", "c\\d",
            "x.y-z_1", "sp ace",     "\xc3\xa9", "%",       "%4",   "%zz",     "n%2Fm",
            "Ab",      "printCover", "zz",       "k\\l\\m", "a%0a", "%U20AC",  "Other"};
        return kKeys[pick(std::size(kKeys))];
    }

    QByteArray value() {
        static const char* const kPieces[] = {"abc",
                                              " ",
                                              "\t",
                                              "\"",
                                              "\\n",
                                              "\\x41",
                                              "\\x4142",
                                              "\\101",
                                              "\\0",
                                              "\\\\",
                                              ",",
                                              "@",
                                              "@@",
                                              "@ByteArray(",
                                              ")",
                                              "@Invalid()",
                                              "@Rect(1 2 3 4)",
                                              "@Size(5 6)",
                                              "@Point(1)",
                                              "\xc3\xa9",
                                              "\xe2\x82\xac",
                                              "=",
                                              ";",
                                              "\\q",
                                              "@String(x)",
                                              "\\x",
                                              "7",
                                              "-12",
                                              "\\t",
                                              "\\\"",
                                              "\\'",
                                              "\\?",
                                              "\\a\\b\\f\\v\\r",
                                              "1, 2",
                                              " , ",
                                              "@Rect(1 2)"};
        QByteArray text;
        const int pieces = pick(6);
        for (int i = 0; i < pieces; ++i) {
            text += kPieces[pick(std::size(kPieces))];
        }
        return text;
    }

    int pick(size_t n) { return static_cast<int>(random_() % n); }

    std::mt19937 random_;
};

// Random values of every kind QSettings writes.
class ValueMaker {
public:
    explicit ValueMaker(unsigned seed) : random_(seed) {}

    QString key() {
        static const char* const kKeys[] = {"Option",        "lastPath", "Other/k",  "general/x",
                                            "a/b/c",         "sp ace",   "Zeta/y z", "k\xc3\xa9",
                                            "k\xe2\x82\xac", "X",        "x",        "Other/K"};
        return QString::fromUtf8(kKeys[pick(std::size(kKeys))]);
    }

    QVariant value() {
        switch (pick(12)) {
            case 0:
                return QVariant(static_cast<qulonglong>(random_()));
            case 1:
                return QVariant(-static_cast<int>(random_() % 1000));
            case 2:
                return QVariant(pick(2) == 0);
            case 3:
                return QVariant(random_() / 7.0);
            case 4: {
                QStringList list;
                const int n = pick(4);
                for (int i = 0; i < n; ++i) {
                    list.append(text());
                }
                return list;
            }
            case 5: {
                QByteArray bytes;
                const int n = pick(8);
                for (int i = 0; i < n; ++i) {
                    bytes.append(static_cast<char>(random_()));
                }
                return bytes;
            }
            case 6:
                return QVariant(QRect(pick(9), -pick(9), pick(99), pick(99)));
            case 7:
                return pick(2) == 0 ? QVariant(QSize(pick(9), pick(9)))
                                    : QVariant(QPoint(-pick(9), pick(9)));
            case 8:
                return QVariant(QDateTime(QDate(2001 + pick(30), 1 + pick(12), 1 + pick(28)),
                                          QTime(pick(24), pick(60)), Qt::UTC));
            case 9:
                return QVariantList{QVariant(pick(9)), QVariant(text())};
            default:
                return QVariant(text());
        }
    }

private:
    QString text() {
        static const char16_t kChars[] = {u'a',    u'Z',      u'7',      u' ',      u'"',  u'\\',
                                          u',',    u';',      u'=',      u'@',      u'\0', u'\x01',
                                          u'\x1f', u'\x7f',   u'\t',     u'\n',     u'\r', u'e',
                                          u'F',    u'\u00e9', u'\u20ac', u'\u00a0', u'%',  u'/'};
        QString s;
        const int n = pick(9);
        for (int i = 0; i < n; ++i) {
            if (pick(20) == 0) {
                s += QString::fromUtf8("\xf0\x9f\x98\x80");  // outside the BMP
            } else {
                s += QChar(kChars[pick(std::size(kChars))]);
            }
        }
        return s;
    }

    int pick(size_t n) { return static_cast<int>(random_() % n); }

    std::mt19937 random_;
};

// The values every settings save writes, as the store sets them.
QList<QPair<QString, QVariant>> StoreValues() {
    return {{QStringLiteral("Option"), QVariant(qulonglong(4))},
            {QStringLiteral("printCover"), QVariant(qulonglong(0))},
            {QStringLiteral("lastPath"), QVariant(QString::fromUtf8("/home/é/a, b; c=d.png"))},
            {QStringLiteral("LastCheckUpdates"), QVariant(QString())},
            {QStringLiteral("moveDiscMMX"), QVariant(QStringLiteral(" -3 "))}};
}

}  // namespace

TEST(SettingsIniFileTest, ReadsWhatQSettingsReads) {
    QSettingsReference reference;
    const QByteArray fixed[] = {
        "[General]\nOption=5\nlastPath=/home/anna/Caf\xc3\xa9.jpg\n",
        "Option=2\n[General]\nprintCover=0\n[Other]\nOption=9\n",
        "[General]\r\nk=\"  padded  \"\r\nl=a\\\r\n  b\r\n",
        "k = \"a;b\" ; comment\nl=x;y\n;Option=3\n",
        "k=@ByteArray(\\x1\\xff)\nl=@Rect(1 2 3 4)\nm=@Invalid()\nn=@@at\no=@String(a\\0b)\n",
        "k=a, \"b, c\" , d\nl=,\nm=@Invalid(), x\nn=@@a, b\n",
        "[%General]\nk=1\n[general]\nl=2\n[a\\b]\nc=3\n",
        "k=\\x41\\x4142\\101\\0\\q\\x\nl=\\\"\\'\\?\\\\\n",
        "k=1\nk=2\n[Other]\nk=3\n[Other]\nk=4\n",
        "k=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\aQString\\0\\0\\0\\x6\\0x\\0y\\0z)\n",
    };
    for (const QByteArray& text : fixed) {
        SCOPED_TRACE(text.toStdString());
        const QSettings ini(reference.write(text), QSettings::IniFormat);
        ASSERT_EQ(ini.status(), QSettings::NoError);
        const SettingsIniFile ours = SettingsIniFile::Parse(text);
        EXPECT_EQ(ours.damagedLines(), 0);
        ExpectSameReading(ours, ini);
    }

    IniTextMaker maker(20240611);
    int compared = 0;
    for (int i = 0; i < 200; ++i) {
        const QByteArray text = maker.file();
        SCOPED_TRACE(text.toStdString());
        const QSettings ini(reference.write(text), QSettings::IniFormat);
        const SettingsIniFile ours = SettingsIniFile::Parse(text);
        // An open quote runs on in QSettings; only clean files must agree.
        if (ini.status() != QSettings::NoError || ours.damagedLines() > 0) {
            continue;
        }
        ++compared;
        ExpectSameReading(ours, ini);
    }
    EXPECT_GT(compared, 100);
}

TEST(SettingsIniFileTest, WritesWhatQSettingsWrites) {
    QSettingsReference reference;
    ValueMaker maker(7);
    for (int i = 0; i < 80; ++i) {
        QList<QPair<QString, QVariant>> values;
        SettingsIniFile ours;
        const int n = 1 + static_cast<int>(i % 6);
        for (int k = 0; k < n; ++k) {
            values.append({maker.key(), maker.value()});
            ours.setValue(values.back().first, values.back().second);
        }
        const QByteArray expected = reference.merged(QByteArray(), values);
        SCOPED_TRACE(expected.toStdString());
        const QByteArray written = ours.toBytes();
        EXPECT_EQ(written, expected);

        // And what is written reads back as QSettings reads it.
        const SettingsIniFile back = SettingsIniFile::Parse(written);
        EXPECT_EQ(back.damagedLines(), 0);
        ExpectSameReading(back, QSettings(reference.write(written), QSettings::IniFormat));
    }
}

TEST(SettingsIniFileTest, CleanFilesAreWrittenBackAsQSettingsWouldMergeThem) {
    QSettingsReference reference;
    IniTextMaker maker(99);
    int compared = 0;
    for (int i = 0; i < 80; ++i) {
        const QByteArray text = maker.file();
        SettingsIniFile ours = SettingsIniFile::Parse(text);
        if (ours.damagedLines() > 0 ||
            QSettings(reference.write(text), QSettings::IniFormat).status() != QSettings::NoError) {
            continue;
        }
        ++compared;
        SCOPED_TRACE(text.toStdString());
        for (const auto& [key, value] : StoreValues()) {
            ours.setValue(key, value);
        }
        EXPECT_EQ(ours.toBytes(), reference.merged(text, StoreValues()));
    }
    EXPECT_GT(compared, 40);
}

TEST(SettingsIniFileTest, DamagedLinesAreLeftOutAndEverythingElseIsRead) {
    const struct {
        const char* text;
        int damaged;
        const char* key;  // read all the same
        const char* value;
    } cases[] = {
        {"Option=2\n[Other\nprintCover=0\n", 1, "printCover", "0"},
        {"[Other\nOption=2\n", 1, "Option", "2"},
        {"[Sec]\na=1\n[Broken\nb=2\n", 1, "Sec/b", "2"},
        {"Option=2\njust words\nprintCover=0\n", 1, "printCover", "0"},
        {"lastPath=\"/home/x\nprintCover=0\n", 1, "printCover", "0"},
        {"lastPath=caf\xe9\nprintCover=0\n", 1, "lastPath", "caf"},
        {"lastPath=caf\xe9x\nprintCover=0\n", 1, "lastPath", "caf\xef\xbf\xbdx"},
        {"\x01\x02\xff\nOption=3\n[\n", 2, "Option", "3"},
        // A byte order mark, as some editors write it, is no damage.
        {"\xef\xbb\xbf[General]\nOption=4\n", 0, "Option", "4"},
        {"\xef\xbb\xbf  Option=4\n", 0, "Option", "4"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const SettingsIniFile ini = SettingsIniFile::Parse(QByteArray(c.text));
        EXPECT_EQ(ini.damagedLines(), c.damaged);
        EXPECT_EQ(ini.value(QString::fromUtf8(c.key)), QVariant(QString::fromUtf8(c.value)));
    }
    // What is written back holds the values read and nothing of the damage.
    SettingsIniFile ini = SettingsIniFile::Parse(QByteArray("Option=2\n[Other\nprintCover=0\n"));
    EXPECT_EQ(ini.toBytes(), QByteArray("[General]\nOption=2\nprintCover=0\n"));
}

}  // namespace casewright
