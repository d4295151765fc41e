#include "components/column_stream_extended.h"
#include "components/column_stream_reader.h"
#include "components/column_stream_writer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace quavis {
namespace {

using Bytes = std::vector<std::uint8_t>;

TExtendedBytes Ext(std::initializer_list<int> values)
{
    TExtendedBytes bytes{};
    std::size_t i = 0;
    for (int v : values)
        bytes[i++] = static_cast<std::uint8_t>(v);
    return bytes;
}

struct ExtendedCase {
    const char* name;
    long double value;
    TExtendedBytes bytes;
    bool needsX87Range = false;
};

// Bit patterns worked out by hand from the x87 format (mantissa bytes first, then sign and exponent).
const ExtendedCase kExtendedCases[] = {
    {"one", 1.0L, Ext({0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F})},
    {"minus two", -2.0L, Ext({0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0xC0})},
    {"ten", 10.0L, Ext({0, 0, 0, 0, 0, 0, 0, 0xA0, 0x02, 0x40})},
    {"three", 3.0L, Ext({0, 0, 0, 0, 0, 0, 0, 0xC0, 0x00, 0x40})},
    {"one half", 0.5L, Ext({0, 0, 0, 0, 0, 0, 0, 0x80, 0xFE, 0x3F})},
    {"0.1", 0.1L, Ext({0xCD, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xFB, 0x3F})},
    {"zero", 0.0L, Ext({0, 0, 0, 0, 0, 0, 0, 0, 0, 0})},
    {"negative zero", -0.0L, Ext({0, 0, 0, 0, 0, 0, 0, 0, 0, 0x80})},
    {"infinity", std::numeric_limits<long double>::infinity(), Ext({0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F})},
    {"negative infinity", -std::numeric_limits<long double>::infinity(),
     Ext({0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0xFF})},
    {"smallest normal", std::ldexp(1.0L, -16382), Ext({0, 0, 0, 0, 0, 0, 0, 0x80, 0x01, 0x00}), true},
    {"largest finite", std::ldexp(1.0L - std::ldexp(1.0L, -64), 16384),
     Ext({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0x7F}), true},
    {"largest denormal", std::ldexp(1.0L, -16382) - std::ldexp(1.0L, -16445),
     Ext({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0x00, 0x00}), true},
    {"smallest denormal", std::ldexp(1.0L, -16445), Ext({1, 0, 0, 0, 0, 0, 0, 0, 0, 0}), true},
    {"negative denormal", -std::ldexp(3.0L, -16440), Ext({0x60, 0, 0, 0, 0, 0, 0, 0, 0, 0x80}), true},
};

TEST(ExtendedEncoding, KnownBitPatternsBothWays)
{
    for (const auto& c : kExtendedCases) {
        SCOPED_TRACE(c.name);
        if (c.needsX87Range && std::numeric_limits<long double>::min_exponent > -16381)
            continue; // long double cannot hold this value here
        EXPECT_EQ(EncodeExtended(c.value), c.bytes);
        const long double back = DecodeExtended(c.bytes);
        EXPECT_EQ(back, c.value);
        EXPECT_EQ(std::signbit(back), std::signbit(c.value));
    }
}

TEST(ExtendedEncoding, NaNKeepsItsSignAndDecodesAsNaN)
{
    const TExtendedBytes quiet = EncodeExtended(std::numeric_limits<long double>::quiet_NaN());
    EXPECT_EQ(quiet[9] & 0x7F, 0x7F);
    EXPECT_EQ(quiet[8], 0xFF);
    EXPECT_EQ(quiet[7], 0xC0);
    EXPECT_TRUE(std::isnan(DecodeExtended(quiet)));
    const TExtendedBytes negative = EncodeExtended(-std::numeric_limits<long double>::quiet_NaN());
    EXPECT_EQ(negative[9], 0xFF);
    EXPECT_TRUE(std::signbit(DecodeExtended(negative)));
    // A signalling pattern and an unnormal (integer bit clear) are not numbers either.
    EXPECT_TRUE(std::isnan(DecodeExtended(Ext({1, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F}))));
    EXPECT_TRUE(std::isnan(DecodeExtended(Ext({0, 0, 0, 0, 0, 0, 0, 0x40, 0xFF, 0x3F}))));
}

TEST(ExtendedEncoding, PseudoDenormalDecodesAtTheSmallestNormalScale)
{
    EXPECT_EQ(DecodeExtended(Ext({0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0x00})), std::ldexp(1.0L, -16382));
}

TEST(ExtendedEncoding, AgreesWithTheMachineFormatOnRandomValues)
{
    if (std::numeric_limits<long double>::digits != 64 || std::numeric_limits<long double>::max_exponent != 16384)
        GTEST_SKIP() << "long double is not the x87 format on this machine";
    std::uint64_t state = 0x9E3779B97F4A7C15ULL;
    for (int i = 0; i < 2000; ++i) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        const long double mantissa = std::ldexp(static_cast<long double>(state >> 1), -63);
        const int exponent = static_cast<int>((state >> 7) % 32000) - 16000 - (i % 3 == 0 ? 460 : 0);
        const long double value = (state & 1 ? -1 : 1) * std::ldexp(1.0L + mantissa, exponent);
        unsigned char memory[sizeof(long double)] = {};
        std::memcpy(memory, &value, sizeof value);
        const TExtendedBytes encoded = EncodeExtended(value);
        ASSERT_EQ(0, std::memcmp(memory, encoded.data(), encoded.size())) << "value " << value;
        ASSERT_EQ(DecodeExtended(encoded), value);
    }
}

TEST(ColumnStreamWriter, IntegersTakeTheSmallestTag)
{
    struct Case {
        std::int32_t value;
        Bytes bytes;
    };
    const Case cases[] = {
        {0, {2, 0}},
        {-1, {2, 0xFF}},
        {127, {2, 0x7F}},
        {-128, {2, 0x80}},
        {128, {3, 0x80, 0x00}},
        {200, {3, 0xC8, 0x00}},
        {-129, {3, 0x7F, 0xFF}},
        {32767, {3, 0xFF, 0x7F}},
        {-32768, {3, 0x00, 0x80}},
        {32768, {4, 0x00, 0x80, 0x00, 0x00}},
        {70000, {4, 0x70, 0x11, 0x01, 0x00}},
        {std::numeric_limits<std::int32_t>::min(), {4, 0, 0, 0, 0x80}},
        {std::numeric_limits<std::int32_t>::max(), {4, 0xFF, 0xFF, 0xFF, 0x7F}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        TColumnStreamWriter writer;
        writer.WriteInteger(c.value);
        EXPECT_EQ(writer.Bytes(), c.bytes);
        TColumnStreamReader reader(writer.Bytes());
        EXPECT_EQ(reader.ReadInteger(), c.value);
        EXPECT_TRUE(reader.AtEnd());
    }
}

TEST(ColumnStreamWriter, StringsSwitchToTheLongTagAfter255Characters)
{
    for (std::size_t length : {0u, 1u, 255u, 256u, 70000u}) {
        SCOPED_TRACE(length);
        const std::string text(length, 'x');
        TColumnStreamWriter writer;
        writer.WriteString(text);
        const Bytes& bytes = writer.Bytes();
        if (length <= 255) {
            ASSERT_EQ(bytes.size(), 2 + length);
            EXPECT_EQ(bytes[0], 6);
            EXPECT_EQ(bytes[1], length);
        } else {
            ASSERT_EQ(bytes.size(), 5 + length);
            EXPECT_EQ(bytes[0], 12);
            EXPECT_EQ(bytes[1] | bytes[2] << 8 | bytes[3] << 16 | bytes[4] << 24, static_cast<int>(length));
        }
        TColumnStreamReader reader(bytes);
        EXPECT_EQ(reader.ReadString(), text);
        EXPECT_TRUE(reader.AtEnd());
    }
}

TEST(ColumnStreamWriter, TagsOfListsBooleansAndFloats)
{
    TColumnStreamWriter writer;
    writer.WriteListBegin();
    writer.WriteString("Ab");
    writer.WriteListEnd();
    writer.WriteBoolean(true);
    writer.WriteBoolean(false);
    writer.WriteFloat(1.0L);
    EXPECT_EQ(writer.Bytes(), (Bytes{1, 6, 2, 'A', 'b', 0, 9, 8, 5, 0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}));

    TColumnStreamReader reader(writer.Bytes());
    reader.ReadListBegin();
    EXPECT_FALSE(reader.EndOfList());
    EXPECT_EQ(reader.ReadString(), "Ab");
    EXPECT_TRUE(reader.EndOfList());
    reader.ReadListEnd();
    EXPECT_TRUE(reader.ReadBoolean());
    EXPECT_FALSE(reader.ReadBoolean());
    EXPECT_EQ(reader.ReadFloat(), 1.0L);
    EXPECT_TRUE(reader.AtEnd());
}

TEST(ColumnStreamReader, AcceptsWiderTagsThanTheWriterWouldUse)
{
    // An integer of 5 written with the 4-byte tag, a short string with the long tag, a float as integer.
    TColumnStreamReader reader(std::string_view("\x04\x05\x00\x00\x00\x0C\x02\x00\x00\x00hi\x03\xFE\xFF", 15));
    EXPECT_EQ(reader.ReadInteger(), 5);
    EXPECT_EQ(reader.ReadString(), "hi");
    EXPECT_EQ(reader.ReadFloat(), -2.0L);
    EXPECT_TRUE(reader.AtEnd());
}

TEST(ColumnStreamReader, CorruptOrTruncatedDataRaisesAClearError)
{
    using ::testing::HasSubstr;
    struct Case {
        const char* name;
        std::string data;
        int what; // 0 integer, 1 string, 2 boolean, 3 float, 4 list begin, 5 list end, 6 end-of-list test
        const char* message;
    };
    const Case cases[] = {
        {"nothing", "", 0, "integer expected at byte 0, found the end of data"},
        {"string for integer", std::string("\x06\x01x", 3), 0, "integer expected at byte 0, found value tag 6"},
        {"short integer", std::string("\x04\x01\x02", 3), 0, "unexpected end of data"},
        {"length beyond the data", std::string("\x06\x05" "abc", 5), 1, "unexpected end of data"},
        {"huge long length", std::string("\x0C\xFF\xFF\xFF\x7F" "a", 6), 1, "unexpected end of data"},
        {"negative long length", std::string("\x0C\xFF\xFF\xFF\xFF", 5), 1, "negative string length"},
        {"integer for string", std::string("\x02\x01", 2), 1, "string expected at byte 0, found value tag 2"},
        {"integer for boolean", std::string("\x02\x01", 2), 2, "boolean expected"},
        {"short extended", std::string("\x05\x00\x00\x00", 4), 3, "unexpected end of data"},
        {"string for extended", std::string("\x06\x00", 2), 3, "extended expected"},
        {"no list", std::string("\x00", 1), 4, "list expected"},
        {"no list end", std::string("\x01", 1), 5, "end of list expected"},
        {"end-of-list test at the end", "", 6, "unexpected end of data"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TColumnStreamReader reader(c.data);
        try {
            switch (c.what) {
            case 0: reader.ReadInteger(); break;
            case 1: reader.ReadString(); break;
            case 2: reader.ReadBoolean(); break;
            case 3: reader.ReadFloat(); break;
            case 4: reader.ReadListBegin(); break;
            case 5: reader.ReadListBegin(); reader.ReadListEnd(); break;
            default: (void)reader.EndOfList(); break;
            }
            ADD_FAILURE() << "no error raised";
        } catch (const EColumnStreamError& e) {
            EXPECT_THAT(e.what(), HasSubstr(c.message));
        }
    }
}

} // namespace
} // namespace quavis
