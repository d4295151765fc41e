#include "components/errors.h"
#include "components/word_reader.h"
#include "support/temp_dir.h"
#include "comma_locale.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <functional>
#include <string>

namespace quavis {
namespace {

using test::TempDir;

// The message of the EInOutError the call throws; fails the test when it throws nothing or something else.
std::string InOutMessage(const std::function<void()>& call)
{
    try {
        call();
    } catch (const EInOutError& e) {
        return e.what();
    }
    ADD_FAILURE() << "no EInOutError";
    return {};
}

std::vector<std::string> WordsOf(const TWordReader& reader, int line)
{
    return reader.Lines().at(static_cast<std::size_t>(line)).Words();
}

TEST(TWordReader, SplitsOnSpacesAndTabsAndKeepsTheRawLine)
{
    const std::string raw = "  1.5\t\t2   3  ";
    auto reader = TWordReader::FromText(raw + "\r\n");
    ASSERT_EQ(reader.LineCount(), 1);
    EXPECT_EQ(WordsOf(reader, 0), (std::vector<std::string>{"1.5", "2", "3"}));
    EXPECT_EQ(reader.WordCount(), 3);
    EXPECT_EQ(reader.ReadLine(), raw);
    EXPECT_TRUE(reader.AtEnd());
}

TEST(TWordReader, ControlCharactersAreTrimmedAroundWordsButKeptInside)
{
    auto reader = TWordReader::FromText("\x01\v a\x02" "b \f c\x1f\n\xa0x\xff\n");
    EXPECT_EQ(WordsOf(reader, 0), (std::vector<std::string>{"a\x02" "b", "c"}));
    // Bytes above 127 are letters, not blanks.
    EXPECT_EQ(WordsOf(reader, 1), (std::vector<std::string>{"\xa0x\xff"}));
}

struct LineCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> rawLines;
};

TEST(TWordReader, LineBreaksAndTheEndOfTheFile)
{
    const LineCase cases[] = {
        {"empty file is one empty line", "", {""}},
        {"final break adds no line", "a\r\n", {"a"}},
        {"no final break", "a\nb", {"a", "b"}},
        {"blank last line", "a\n\n", {"a", ""}},
        {"mixed breaks", "a\r\nb\nc\r\n", {"a", "b", "c"}},
        {"lone CR stays in its line", "a\rb\r\r\n", {"a\rb\r"}},
        {"NUL and end-of-file bytes are text", std::string("x\0y\n\x1a", 5), {std::string("x\0y", 3), "\x1a"}},
        {"only breaks", "\n\r\n", {"", ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto reader = TWordReader::FromText(c.bytes);
        std::vector<std::string> raw;
        while (!reader.AtEnd()) raw.push_back(reader.ReadLine());
        EXPECT_EQ(raw, c.rawLines);
    }
}

TEST(TWordReader, ReadsNumbersAcrossLines)
{
    auto reader = TWordReader::FromText("1.5 -2e-4\n  7 4.0 -2147483648 2147483647\n");
    EXPECT_EQ(reader.ReadFloat(), 1.5L);
    EXPECT_EQ(reader.ReadFloat(), -2e-4L);
    EXPECT_EQ(reader.ReadFloat(), 7.0L); // the third float comes from the next line
    EXPECT_EQ(reader.CurrentLine(), 1);
    EXPECT_EQ(reader.ReadInteger(), 4);
    EXPECT_EQ(reader.ReadInteger(), -2147483647 - 1);
    EXPECT_EQ(reader.ReadInteger(), 2147483647);
    EXPECT_EQ(InOutMessage([&] { reader.NextWord(); }), "This file either invalid or incomplete.");
    EXPECT_EQ(InOutMessage([&] { reader.ReadFloat(); }), "This file either invalid or incomplete.");
}

struct BadWordCase {
    const char* word;
    bool isFloat; // else an integer is read
};

TEST(TWordReader, NamesTheLineAndItemOfAWordThatIsNotTheNumberDue)
{
    const BadWordCase cases[] = {
        {"abc", true},  {"1,5", true},  {"1e5000", true},    {"nan", true},      {"3.5", false},
        {"abc", false}, {"1e10", false}, {"2147483648", false}, {"-2147483649", false}, {"0x10", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.word);
        auto reader = TWordReader::FromText(std::string("title\r\n1\n2 3\n9 ") + c.word + " 5\n");
        reader.ReadLine();
        EXPECT_EQ(reader.ReadInteger(), 1);
        EXPECT_EQ(reader.ReadInteger(), 2);
        EXPECT_EQ(reader.ReadInteger(), 3);
        EXPECT_EQ(reader.ReadInteger(), 9);
        if (c.isFloat) {
            EXPECT_EQ(InOutMessage([&] { reader.ReadFloat(); }),
                      "Error on Line 4 Item 2\rA floating point number was expected but not found.");
        } else {
            EXPECT_EQ(InOutMessage([&] { reader.ReadInteger(); }),
                      "Error on Line 4 Item 2\rAn integer was expected but not found.");
        }
        EXPECT_EQ(reader.ReadInteger(), 5); // the faulty word was consumed
    }
}

TEST(TWordReader, ABlankLineWhereANumberIsDueIsAReadErrorNamingTheLine)
{
    auto reader = TWordReader::FromText("1\n\n \t\n2\n");
    EXPECT_EQ(reader.ReadFloat(), 1.0L);
    EXPECT_EQ(InOutMessage([&] { reader.ReadFloat(); }),
              "Error on Line 2 Item 1\rA floating point number was expected but not found.");
    EXPECT_EQ(InOutMessage([&] { reader.ReadInteger(); }),
              "Error on Line 3 Item 1\rAn integer was expected but not found.");
    EXPECT_EQ(reader.ReadInteger(), 2);

    auto words = TWordReader::FromText("a\n\nb");
    EXPECT_EQ(words.NextWord(), "a");
    EXPECT_EQ(InOutMessage([&] { words.NextWord(); }), "Error on Line 2 Item 1\rA word was expected but not found.");
    EXPECT_EQ(words.NextWord(), "b");
}

TEST(TWordReader, ReadLineReturnsTheCurrentLineWhateverWasRead)
{
    auto reader = TWordReader::FromText("1 2\nsecond line \nthird");
    EXPECT_EQ(reader.ReadLine(), "1 2");
    EXPECT_EQ(reader.NextWord(), "second");
    EXPECT_EQ(reader.ReadLine(), "second line ");
    EXPECT_EQ(reader.NextWord(), "third");
    EXPECT_EQ(reader.ReadLine(), "third");
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_THROW(reader.ReadLine(), EListError);
    EXPECT_THROW(reader.WordCount(), EListError);

    // After all words of line 1, the reader still stands on line 1 until a read moves it on.
    auto again = TWordReader::FromText("1.5 2.5\nnext\n");
    again.ReadFloat();
    again.ReadFloat();
    EXPECT_EQ(again.ReadLine(), "1.5 2.5");
    EXPECT_EQ(again.ReadLine(), "next");
}

TEST(TWordReader, ReadsAFileWholeAndReportsFilesThatCannotBeRead)
{
    TempDir dir;
    const auto path = dir.Write("data.vqp", "KEY\r\n1 2\r\n");
    TWordReader reader(path);
    EXPECT_EQ(reader.LineCount(), 2);
    std::filesystem::remove(path); // the file is not needed once read
    EXPECT_EQ(reader.NextWord(), "KEY");
    EXPECT_EQ(reader.ReadInteger(), 1);

    EXPECT_EQ(InOutMessage([&] { TWordReader missing(dir / "missing.vqp"); }), "No such file or directory");
    EXPECT_EQ(InOutMessage([&] { TWordReader folder(dir.Path()); }), "Is a directory");
    // Neither a pipe without a writer nor an endless device may block or run forever.
    const auto fifo = dir / "pipe.vqd";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(InOutMessage([&] { TWordReader pipe(fifo); }), "Not a regular file");
    EXPECT_EQ(InOutMessage([&] { TWordReader device("/dev/zero"); }), "Not a regular file");
    TWordReader empty(dir.Write("empty.vqd", ""));
    EXPECT_EQ(empty.LineCount(), 1);
    EXPECT_EQ(empty.WordCount(), 0);
    EXPECT_EQ(InOutMessage([&] { empty.ReadFloat(); }), "This file either invalid or incomplete.");
}

TEST(TWordReader, LongLinesAndBinaryBytes)
{
    std::string big(1 << 20, 'x');
    big += " 12\n";
    for (int i = 0; i < 256; ++i) big += static_cast<char>(i);
    auto reader = TWordReader::FromText(big);
    ASSERT_EQ(reader.LineCount(), 3); // byte 10 inside the 256 breaks that line
    EXPECT_EQ(reader.NextWord().size(), std::size_t{1} << 20);
    EXPECT_EQ(reader.ReadInteger(), 12);
    EXPECT_EQ(InOutMessage([&] { reader.ReadFloat(); }),
              "Error on Line 2 Item 1\rA floating point number was expected but not found.");
}

TEST(TWordReader, ReadsPointDecimalsUnderACommaLocale)
{
    test::CommaDecimalLocale comma;
    if (!comma.Active()) GTEST_SKIP() << "could not build a locale with a decimal comma";
    auto reader = TWordReader::FromText("2.5 2,5\n");
    EXPECT_EQ(reader.ReadFloat(), 2.5L);
    EXPECT_EQ(InOutMessage([&] { reader.ReadFloat(); }),
              "Error on Line 1 Item 2\rA floating point number was expected but not found.");
    EXPECT_EQ(TWordReader::FromText("3.0").ReadInteger(), 3);
}

} // namespace
} // namespace quavis
