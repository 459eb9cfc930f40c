#include <gtest/gtest.h>

#include "document/Cp1252Codec.h"

namespace casewright {

TEST(Cp1252Codec, EveryByteSurvivesDecodeAndEncode) {
    QByteArray all;
    for (int b = 0; b < 256; ++b) {
        all.append(static_cast<char>(b));
    }
    const QString text = Cp1252Codec::decode(all);
    EXPECT_EQ(text.size(), 256);
    EXPECT_TRUE(Cp1252Codec::canEncode(text));
    EXPECT_EQ(Cp1252Codec::encode(text), all);
}

TEST(Cp1252Codec, MapsTheWindowsCharactersOfTheHighControlRange) {
    EXPECT_EQ(Cp1252Codec::decode("\x80\x85\x8A\x99\x9F\xE9"), QString::fromUtf8("€…Š™Ÿé"));
    EXPECT_EQ(Cp1252Codec::encode(QString::fromUtf8("Œuvre – “ok” ß")),
              QByteArray("\x8Cuvre \x96 \x93ok\x94 \xDF"));
}

TEST(Cp1252Codec, CharactersItCannotHoldBecomeOneQuestionMarkEach) {
    const QString text = QString::fromUtf8("Ωa😀b");
    EXPECT_FALSE(Cp1252Codec::canEncode(text));
    EXPECT_EQ(Cp1252Codec::encode(text), "?a?b");
}

}  // namespace casewright
