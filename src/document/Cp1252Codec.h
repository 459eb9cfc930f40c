#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

namespace casewright {

// Windows-1252, the single-byte code page in which cover files keep their
// texts. Qt has no dependable converter for it on every platform, and the
// table is small. The five bytes the code page leaves undefined map to the C1
// control characters of the same value, so every byte string survives a
// decode and encode unchanged.
class Cp1252Codec {
public:
    static QString decode(QByteArrayView bytes);

    // Characters without a Windows-1252 byte become '?'.
    static QByteArray encode(const QString& text);

    // True when encode() would lose nothing.
    static bool canEncode(const QString& text);

    // The bytes, or nothing when a character has no Windows-1252 byte.
    static std::optional<QByteArray> encodeExactly(const QString& text);

    // The byte for a character, or -1 when the code page has none.
    static int byteFor(char16_t ch);
};

}  // namespace casewright
