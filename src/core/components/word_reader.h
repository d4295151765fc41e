#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quavis {

// One line of a text file: its words in order and its raw text exactly as read (before trimming, without
// the line break).
class TWordContainer {
public:
    explicit TWordContainer(std::string rawText);

    const std::string& RawText() const { return m_rawText; }
    const std::vector<std::string>& Words() const { return m_words; }
    int Count() const { return static_cast<int>(m_words.size()); }

private:
    std::string m_rawText;
    std::vector<std::string> m_words;
};

// Reads a whole text file at once and hands it out word by word, as numbers or as whole lines.
// Lines end at a line feed, optionally preceded by a carriage return; every other byte (a lone carriage
// return, a NUL, an end-of-file character) is part of its line. Words are separated by spaces and tabs;
// other control characters are trimmed from both ends of a line and between words, but stay inside a word.
//
// Read errors are EInOutError (components/errors.h) with the user's message:
//   "This file either invalid or incomplete."   no word is left
//   "Error on Line L Item I\rA floating point number was expected but not found."   (ReadFloat)
//   "Error on Line L Item I\rAn integer was expected but not found."                (ReadInteger)
//   "Error on Line L Item 1\rA word was expected but not found."                    (NextWord)
// with L and I 1-based. A line without words where a word is due is reported with these messages too
// (Item 1, the message of the read in progress) and is passed by, so the next read goes on after it.
// WordCount and ReadLine at the end throw EListError (callers test AtEnd first).
class TWordReader {
public:
    // Reads the file whole; the file is closed again before the constructor returns.
    // Throws EInOutError with the operating system's message when the file cannot be opened or read.
    explicit TWordReader(const std::filesystem::path& fileName);

    // The same reader over bytes already in memory, as if they were the file's content.
    static TWordReader FromText(std::string_view bytes);

    // The next word, moving on to the next line when the current one is used up (at most one line a call).
    std::string NextWord();
    // The next word as a decimal number: optional sign, digits with an optional "." fraction, optional
    // exponent (E or e, optional sign, digits). Always "." whatever the process locale.
    long double ReadFloat();
    // The next word as a decimal number that is integral and within the 32-bit range.
    std::int32_t ReadInteger();
    // The raw text of the current line, however much of it was read; moves to the next line's first word.
    std::string ReadLine();

    bool AtEnd() const { return m_line >= LineCount(); }
    // Number of words on the current line.
    int WordCount() const;

    int LineCount() const { return static_cast<int>(m_lines.size()); }
    // 0-based position of the next read.
    int CurrentLine() const { return m_line; }
    int CurrentWord() const { return m_word; }
    const std::vector<TWordContainer>& Lines() const { return m_lines; }

private:
    TWordReader() = default;
    void SplitIntoLines(std::string_view bytes);
    // The next word with its 1-based line and item numbers; `expected` names what was due, for the message.
    std::string TakeWord(const char* expected, int& lineNo, int& itemNo);

    std::vector<TWordContainer> m_lines;
    int m_line = 0;
    int m_word = 0;
};

} // namespace quavis
