#include "app/SettingsIniFile.h"

#include <QDataStream>
#include <QDateTime>
#include <QIODevice>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringDecoder>
#include <QStringEncoder>

namespace casewright {

namespace {

// ---------------------------------------------------------------------------
// Lines

bool IsLineSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool IsLineBreak(char c) {
    return c == '\n' || c == '\r';
}

struct IniLine {
    QByteArrayView text;
    qsizetype equalsAt = -1;  // the first '=' outside quotes, or -1
    bool quoteLeftOpen = false;
};

// The next line from `pos` on, past blank lines and comment lines. A line
// ends at a line break or at a ';' outside quotes (a comment follows). A
// backslash takes the next character with it, so one at the end of a line
// joins the next line to it.
std::optional<IniLine> NextLine(QByteArrayView data, qsizetype& pos) {
    for (;;) {
        while (pos < data.size() && IsLineSpace(data[pos])) {
            ++pos;
        }
        if (pos >= data.size()) {
            return std::nullopt;
        }
        if (data[pos] != ';') {
            break;
        }
        while (pos < data.size() && !IsLineBreak(data[pos])) {
            ++pos;
        }
    }
    const qsizetype start = pos;
    IniLine line;
    bool inQuotes = false;
    while (pos < data.size()) {
        const char c = data[pos];
        if (IsLineBreak(c) || (c == ';' && !inQuotes)) {
            break;
        }
        ++pos;
        if (c == '=' && !inQuotes && line.equalsAt < 0) {
            line.equalsAt = pos - 1 - start;
        } else if (c == '"') {
            inQuotes = !inQuotes;
        } else if (c == '\\' && pos < data.size()) {
            const char escaped = data[pos++];
            // "\" CR LF and "\" LF CR continue the line as one break.
            if (pos < data.size() && IsLineBreak(escaped) && IsLineBreak(data[pos]) &&
                data[pos] != escaped) {
                ++pos;
            }
        }
    }
    line.text = data.sliced(start, pos - start);
    line.quoteLeftOpen = inQuotes;
    return line;
}

bool IsUtf8(QByteArrayView bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString ignored = decoder.decode(bytes);
    return !decoder.hasError();
}

QByteArrayView Trimmed(QByteArrayView bytes) {
    const auto isSpace = [](char c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
    };
    qsizetype begin = 0;
    qsizetype end = bytes.size();
    while (begin < end && isSpace(bytes[begin])) {
        ++begin;
    }
    while (end > begin && isSpace(bytes[end - 1])) {
        --end;
    }
    return bytes.sliced(begin, end - begin);
}

// ---------------------------------------------------------------------------
// Keys: "/" is written as "\", characters other than letters, digits and
// "_-." as %XX or %UXXXX.

QString UnescapedKey(QByteArrayView bytes) {
    const QString text = QString::fromUtf8(bytes);
    QString key;
    key.reserve(text.size());
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\\')) {
            key += QLatin1Char('/');
            ++i;
            continue;
        }
        if (c != QLatin1Char('%') || i == text.size() - 1) {
            key += c;
            ++i;
            continue;
        }
        qsizetype digitsAt = i + 1;
        qsizetype digits = 2;
        if (text.at(digitsAt) == QLatin1Char('U')) {
            ++digitsAt;
            digits = 4;
        }
        bool ok = false;
        const ushort code = digitsAt + digits > text.size()
                                ? 0
                                : QStringView(text).sliced(digitsAt, digits).toUShort(&ok, 16);
        if (!ok) {
            key += QLatin1Char('%');
            ++i;
            continue;
        }
        key += QChar(code);
        i = digitsAt + digits;
    }
    return key;
}

char HexDigitUpper(uint value) {
    return "0123456789ABCDEF"[value & 0xF];
}

QByteArray EscapedKey(const QString& key) {
    QByteArray out;
    out.reserve(key.size() * 3 / 2);
    for (const QChar qc : key) {
        const uint c = qc.unicode();
        if (c == '/') {
            out += '\\';
        } else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                   c == '_' || c == '-' || c == '.') {
            out += static_cast<char>(c);
        } else if (c <= 0xFF) {
            out += '%';
            out += HexDigitUpper(c >> 4);
            out += HexDigitUpper(c);
        } else {
            out += "%U";
            out += HexDigitUpper(c >> 12);
            out += HexDigitUpper(c >> 8);
            out += HexDigitUpper(c >> 4);
            out += HexDigitUpper(c);
        }
    }
    return out;
}

// "" for [General], "Name/" for any other section.
QString SectionPrefix(QByteArrayView name) {
    if (name.compare("general", Qt::CaseInsensitive) == 0) {
        return QString();
    }
    if (name.compare("%general", Qt::CaseInsensitive) == 0) {
        return QString::fromLatin1(name.sliced(1)) + QLatin1Char('/');
    }
    return UnescapedKey(name) + QLatin1Char('/');
}

// ---------------------------------------------------------------------------
// Value text: optional quotes, C-style escapes, "a, b" for a list.

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

int OctalValue(char c) {
    return c >= '0' && c <= '7' ? c - '0' : -1;
}

char SimpleEscape(char c) {
    switch (c) {
        case 'a':
            return '\a';
        case 'b':
            return '\b';
        case 'f':
            return '\f';
        case 'n':
            return '\n';
        case 'r':
            return '\r';
        case 't':
            return '\t';
        case 'v':
            return '\v';
        case '"':
        case '?':
        case '\'':
        case '\\':
            return c;
        default:
            return 0;
    }
}

// Unquoted text loses its trailing blanks, but not those written as
// escapes nor those before `limit`.
void ChopTrailingBlanks(QString& text, qsizetype limit) {
    qsizetype n = text.size();
    while (n > limit &&
           (text.at(n - 1) == QLatin1Char(' ') || text.at(n - 1) == QLatin1Char('\t'))) {
        --n;
    }
    text.truncate(n);
}

class ValueTextReader {
public:
    explicit ValueTextReader(QByteArrayView text) : text_(text) {}

    // False for a single value (in `single`), true for a list (in `list`).
    bool read(QString& single, QStringList& list) {
        skipBlanks();
        qsizetype chopLimit = current_.size();
        while (i_ < text_.size()) {
            const char c = text_[i_];
            if (c == '\\') {
                if (!readEscape()) {
                    return finish(single, list);
                }
                chopLimit = current_.size();
            } else if (c == '"') {
                ++i_;
                quoted_ = true;
                inQuotes_ = !inQuotes_;
                if (!inQuotes_) {
                    skipBlanks();
                    chopLimit = current_.size();
                }
            } else if (c == ',' && !inQuotes_) {
                if (!quoted_) {
                    ChopTrailingBlanks(current_, chopLimit);
                }
                isList_ = true;
                list.append(current_);
                current_.clear();
                quoted_ = false;
                ++i_;
                skipBlanks();
                chopLimit = current_.size();
            } else {
                qsizetype j = i_ + 1;
                while (j < text_.size() && text_[j] != '\\' && text_[j] != '"' && text_[j] != ',') {
                    ++j;
                }
                current_ += utf8_(text_.sliced(i_, j - i_));
                i_ = j;
            }
        }
        if (!quoted_) {
            ChopTrailingBlanks(current_, chopLimit);
        }
        return finish(single, list);
    }

private:
    void skipBlanks() {
        while (i_ < text_.size() && (text_[i_] == ' ' || text_[i_] == '\t')) {
            ++i_;
        }
    }

    // At a backslash; false when the text ends inside the escape.
    bool readEscape() {
        ++i_;
        if (i_ >= text_.size()) {
            return false;
        }
        const char c = text_[i_++];
        if (const char simple = SimpleEscape(c)) {
            current_ += QLatin1Char(simple);
            return true;
        }
        if (c == 'x') {
            if (i_ >= text_.size()) {
                return false;
            }
            if (HexValue(text_[i_]) >= 0) {
                return readNumber(0, 4, HexValue);
            }
            return true;  // "\x" without digits stands for nothing
        }
        if (const int octal = OctalValue(c); octal >= 0) {
            return readNumber(static_cast<char16_t>(octal), 3, OctalValue);
        }
        if (IsLineBreak(c) && i_ < text_.size() && IsLineBreak(text_[i_]) && text_[i_] != c) {
            ++i_;  // a continued line: the break is dropped
        }
        return true;  // any other escaped character is dropped
    }

    // As many digits as follow; the code wraps at 16 bits.
    bool readNumber(char16_t code, int bitsPerDigit, int (*digit)(char)) {
        while (i_ < text_.size() && digit(text_[i_]) >= 0) {
            code = static_cast<char16_t>((code << bitsPerDigit) + digit(text_[i_]));
            ++i_;
        }
        current_ += QChar(code);
        return i_ < text_.size();
    }

    bool finish(QString& single, QStringList& list) {
        if (isList_) {
            list.append(current_);
        } else {
            single = current_;
        }
        return isList_;
    }

    QByteArrayView text_;
    qsizetype i_ = 0;
    QString current_;
    QStringDecoder utf8_{QStringDecoder::Utf8};
    bool inQuotes_ = false;
    bool quoted_ = false;
    bool isList_ = false;
};

QByteArray EscapedText(const QString& text) {
    // Binary markers keep their bytes as escapes; other text is UTF-8.
    const bool utf8 = !(text.startsWith(QLatin1String("@ByteArray(")) ||
                        text.startsWith(QLatin1String("@Variant(")) ||
                        text.startsWith(QLatin1String("@DateTime(")));
    QStringEncoder toUtf8(QStringEncoder::Utf8);
    QByteArray out;
    out.reserve(text.size() * 3 / 2);
    bool needsQuotes = false;
    bool hexWouldContinue = false;  // a digit now would extend the last \x or \0
    for (const QChar qc : text) {
        const uint c = qc.unicode();
        if (c == ';' || c == ',' || c == '=') {
            needsQuotes = true;
        }
        if (hexWouldContinue && c < 0x80 && HexValue(static_cast<char>(c)) >= 0) {
            out += "\\x" + QByteArray::number(c, 16);
            continue;
        }
        hexWouldContinue = false;
        switch (c) {
            case '\0':
                out += "\\0";
                hexWouldContinue = true;
                break;
            case '\a':
                out += "\\a";
                break;
            case '\b':
                out += "\\b";
                break;
            case '\f':
                out += "\\f";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\v':
                out += "\\v";
                break;
            case '"':
            case '\\':
                out += '\\';
                out += static_cast<char>(c);
                break;
            default:
                if (c <= 0x1F || (c >= 0x7F && !utf8)) {
                    out += "\\x" + QByteArray::number(c, 16);
                    hexWouldContinue = true;
                } else if (utf8) {
                    out += toUtf8(QStringView(&qc, 1));
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    if (needsQuotes || (!out.isEmpty() && (out.front() == ' ' || out.back() == ' '))) {
        out.prepend('"');
        out += '"';
    }
    return out;
}

QByteArray EscapedTextList(const QStringList& texts) {
    if (texts.isEmpty()) {
        return QByteArrayLiteral("@Invalid()");  // an empty list
    }
    QByteArray out;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        if (i != 0) {
            out += ", ";
        }
        out += EscapedText(texts.at(i));
    }
    return out;
}

// ---------------------------------------------------------------------------
// Typed values: QSettings marks every value that is not plain text with "@".

// The words between the parentheses of "@Rect(1 2 3 4)", from `open` on.
QStringList MarkerArguments(const QString& text, qsizetype open) {
    QStringList words;
    QString word;
    for (qsizetype i = open + 1; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char(')')) {
            words.append(word);
        } else if (c == QLatin1Char(' ')) {
            words.append(word);
            word.clear();
        } else {
            word.append(c);
        }
    }
    return words;
}

QVariant StreamedValue(const QString& text, qsizetype bytesAt, QDataStream::Version version) {
    QByteArray bytes = QStringView(text).sliced(bytesAt).toLatin1();
    QDataStream stream(&bytes, QIODevice::ReadOnly);
    stream.setVersion(version);
    QVariant value;
    stream >> value;
    return value;
}

std::optional<QVariant> GeometryValue(const QString& text) {
    if (text.startsWith(QLatin1String("@Rect("))) {
        const QStringList a = MarkerArguments(text, 5);
        if (a.size() == 4) {
            return QVariant(QRect(a[0].toInt(), a[1].toInt(), a[2].toInt(), a[3].toInt()));
        }
    } else if (text.startsWith(QLatin1String("@Size("))) {
        const QStringList a = MarkerArguments(text, 5);
        if (a.size() == 2) {
            return QVariant(QSize(a[0].toInt(), a[1].toInt()));
        }
    } else if (text.startsWith(QLatin1String("@Point("))) {
        const QStringList a = MarkerArguments(text, 6);
        if (a.size() == 2) {
            return QVariant(QPoint(a[0].toInt(), a[1].toInt()));
        }
    }
    return std::nullopt;
}

QVariant ValueOfText(const QString& text) {
    if (!text.startsWith(QLatin1Char('@'))) {
        return QVariant(text);
    }
    if (text.endsWith(QLatin1Char(')'))) {
        if (text.startsWith(QLatin1String("@ByteArray("))) {
            return QVariant(QStringView(text).sliced(11).chopped(1).toLatin1());
        }
        if (text.startsWith(QLatin1String("@String("))) {
            return QVariant(QStringView(text).sliced(8).chopped(1).toString());
        }
        if (text.startsWith(QLatin1String("@Variant("))) {
            return StreamedValue(text, 9, QDataStream::Qt_4_0);
        }
        if (text.startsWith(QLatin1String("@DateTime("))) {
            return StreamedValue(text, 10, QDataStream::Qt_5_6);
        }
        if (const std::optional<QVariant> geometry = GeometryValue(text)) {
            return *geometry;
        }
        if (text == QLatin1String("@Invalid()")) {
            return QVariant();
        }
    }
    if (text.startsWith(QLatin1String("@@"))) {
        return QVariant(text.sliced(1));
    }
    return QVariant(text);
}

QVariant ValueOfList(const QStringList& texts) {
    QStringList plain = texts;
    for (QString& text : plain) {
        if (!text.startsWith(QLatin1Char('@'))) {
            continue;
        }
        if (text.size() < 2 || text.at(1) != QLatin1Char('@')) {
            // One typed element makes it a list of typed values.
            QVariantList values;
            for (const QString& each : texts) {
                values.append(ValueOfText(each));
            }
            return values;
        }
        text.remove(0, 1);
    }
    return plain;
}

QVariant ValueOfLine(QByteArrayView valueText) {
    QString single;
    QStringList list;
    return ValueTextReader(valueText).read(single, list) ? ValueOfList(list) : ValueOfText(single);
}

QString TextOfValue(const QVariant& value) {
    switch (value.metaType().id()) {
        case QMetaType::UnknownType:
            return QStringLiteral("@Invalid()");
        case QMetaType::QByteArray:
            return QStringLiteral("@ByteArray(") + QLatin1String(value.toByteArray()) +
                   QLatin1Char(')');
        case QMetaType::QKeySequence:
        case QMetaType::QString:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Bool:
        case QMetaType::Float:
        case QMetaType::Double: {
            QString text = value.toString();
            if (text.contains(QChar::Null)) {
                return QStringLiteral("@String(") + text + QLatin1Char(')');
            }
            if (text.startsWith(QLatin1Char('@'))) {
                text.prepend(QLatin1Char('@'));
            }
            return text;
        }
        case QMetaType::QRect: {
            const QRect r = value.toRect();
            return QString::asprintf("@Rect(%d %d %d %d)", r.x(), r.y(), r.width(), r.height());
        }
        case QMetaType::QSize: {
            const QSize s = value.toSize();
            return QString::asprintf("@Size(%d %d)", s.width(), s.height());
        }
        case QMetaType::QPoint: {
            const QPoint p = value.toPoint();
            return QString::asprintf("@Point(%d %d)", p.x(), p.y());
        }
        default: {
            const bool dateTime = value.metaType().id() == QMetaType::QDateTime;
            QByteArray bytes;
            {
                QDataStream stream(&bytes, QIODevice::WriteOnly);
                stream.setVersion(dateTime ? QDataStream::Qt_5_6 : QDataStream::Qt_4_0);
                stream << value;
            }
            return QLatin1String(dateTime ? "@DateTime(" : "@Variant(") + QLatin1String(bytes) +
                   QLatin1Char(')');
        }
    }
}

QByteArray LineTextOfValue(const QVariant& value) {
    const int type = value.metaType().id();
    if (type == QMetaType::QStringList ||
        (type == QMetaType::QVariantList && value.toList().size() != 1)) {
        QStringList texts;
        for (const QVariant& each : value.toList()) {
            texts.append(TextOfValue(each));
        }
        return EscapedTextList(texts);
    }
    return EscapedText(TextOfValue(value));
}

}  // namespace

SettingsIniFile SettingsIniFile::Parse(QByteArrayView bytes) {
    if (bytes.startsWith("\xef\xbb\xbf")) {
        bytes = bytes.sliced(3);
    }
    SettingsIniFile file;
    // Like QSettings: the lines of each section (which may appear more than
    // once) are gathered, then the sections are read in the order of their
    // names, so that of a key given twice the value read last counts.
    QMap<QString, QList<IniLine>> sections;
    QString prefix;
    qsizetype pos = 0;
    while (const std::optional<IniLine> line = NextLine(bytes, pos)) {
        bool readable = !line->quoteLeftOpen && IsUtf8(line->text);
        if (line->text.startsWith('[')) {
            const qsizetype close = line->text.indexOf(']');
            if (close < 0) {
                readable = false;  // the lines after it stay in the section they were in
            } else {
                prefix = SectionPrefix(Trimmed(line->text.sliced(1, close - 1)));
            }
        } else if (line->equalsAt < 0) {
            readable = false;
        } else {
            sections[prefix].append(*line);
        }
        if (!readable) {
            ++file.damagedLines_;
        }
    }
    for (auto section = sections.cbegin(); section != sections.cend(); ++section) {
        for (const IniLine& line : section.value()) {
            const QString key =
                section.key() + UnescapedKey(Trimmed(line.text.first(line.equalsAt)));
            file.values_.insert(key, ValueOfLine(line.text.sliced(line.equalsAt + 1)));
        }
    }
    return file;
}

std::optional<QVariant> SettingsIniFile::value(const QString& key) const {
    const auto found = values_.constFind(key);
    if (found == values_.cend()) {
        return std::nullopt;
    }
    return *found;
}

void SettingsIniFile::setValue(const QString& key, const QVariant& value) {
    values_.insert(key, value);
}

QByteArray SettingsIniFile::toBytes() const {
    // Sections by name, [General] first; in each, the keys by name.
    QMap<QString, QMap<QString, QVariant>> sections;
    for (auto it = values_.cbegin(); it != values_.cend(); ++it) {
        const qsizetype slash = it.key().indexOf(QLatin1Char('/'));
        const QString section = slash < 0 ? QString() : it.key().left(slash);
        const QString name = slash < 0 ? it.key() : it.key().mid(slash + 1);
        sections[section].insert(name, it.value());
    }
    QByteArray out;
    for (auto section = sections.cbegin(); section != sections.cend(); ++section) {
        QByteArray header = EscapedKey(section.key());
        if (header.isEmpty()) {
            header = QByteArrayLiteral("[General]");
        } else if (header.compare("general", Qt::CaseInsensitive) == 0) {
            header = QByteArrayLiteral("[%General]");  // a group really named "general"
        } else {
            header = '[' + header + ']';
        }
        if (!out.isEmpty()) {
            out += '\n';
        }
        out += header + '\n';
        for (auto entry = section.value().cbegin(); entry != section.value().cend(); ++entry) {
            out += EscapedKey(entry.key()) + '=' + LineTextOfValue(entry.value()) + '\n';
        }
    }
    return out;
}

}  // namespace casewright
