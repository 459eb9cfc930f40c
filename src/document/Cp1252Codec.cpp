#include "document/Cp1252Codec.h"

namespace casewright {

namespace {

// Characters of the bytes 0x80 to 0x9F; the undefined ones keep their value.
constexpr char16_t kHighControlRange[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98
};

bool IsHighSurrogateBeforeLow(const QString& text, qsizetype i) {
    return text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
}

}  // namespace

QString Cp1252Codec::decode(QByteArrayView bytes) {
    // Latin-1 is Windows-1252 outside 0x80-0x9F; Qt converts it in bulk.
    QString text = QString::fromLatin1(bytes);
    for (int i = 0; i < 32; ++i) {
        if (kHighControlRange[i] != 0x80 + i) {
            text.replace(QChar(char16_t(0x80 + i)), QChar(kHighControlRange[i]));
        }
    }
    return text;
}

int Cp1252Codec::byteFor(char16_t ch) {
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) {
        return ch;
    }
    for (int i = 0; i < 32; ++i) {
        if (kHighControlRange[i] == ch) {
            return 0x80 + i;
        }
    }
    return -1;
}

QByteArray Cp1252Codec::encode(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int byte = byteFor(text.at(i).unicode());
        if (byte >= 0) {
            bytes.append(static_cast<char>(byte));
            continue;
        }
        bytes.append('?');  // one per character, also for a surrogate pair
        if (IsHighSurrogateBeforeLow(text, i)) {
            ++i;
        }
    }
    return bytes;
}

bool Cp1252Codec::canEncode(const QString& text) {
    return encodeExactly(text).has_value();
}

std::optional<QByteArray> Cp1252Codec::encodeExactly(const QString& text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    for (const QChar ch : text) {
        const int byte = byteFor(ch.unicode());
        if (byte < 0) {
            return std::nullopt;
        }
        *out++ = static_cast<char>(byte);
    }
    return bytes;
}

}  // namespace casewright
