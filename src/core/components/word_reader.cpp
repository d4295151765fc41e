#include "components/word_reader.h"

#include "components/decimal_text.h"
#include "components/errors.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstring>

namespace quavis {

namespace {

// Project and plot-data files are kilobytes to a few megabytes; anything beyond this is not one of them.
constexpr off_t kMaxFileBytes = off_t{256} * 1024 * 1024;

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }
bool IsSeparator(char c) { return c == ' ' || c == '\t'; }

std::string ReadWholeFile(const std::filesystem::path& fileName)
{
    // Non-blocking open and a regular-file check: a FIFO or a device such as /dev/zero would otherwise
    // block or never end.
    const int fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) throw EInOutError(std::strerror(errno));
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        throw EInOutError(S_ISDIR(info.st_mode) ? std::strerror(EISDIR) : "Not a regular file");
    }
    if (info.st_size > kMaxFileBytes) {
        ::close(fd);
        throw EInOutError(std::strerror(EFBIG));
    }
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            const int error = errno;
            ::close(fd);
            throw EInOutError(std::strerror(error));
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
        if (bytes.size() > static_cast<std::size_t>(kMaxFileBytes)) {
            ::close(fd);
            throw EInOutError(std::strerror(EFBIG));
        }
    }
    ::close(fd);
    return bytes;
}

std::string LineItemMessage(int lineNo, int itemNo, const char* expected)
{
    return "Error on Line " + std::to_string(lineNo) + " Item " + std::to_string(itemNo) + "\r" + expected;
}

const char* const kIncomplete = "This file either invalid or incomplete.";
const char* const kWordExpected = "A word was expected but not found.";
const char* const kFloatExpected = "A floating point number was expected but not found.";
const char* const kIntegerExpected = "An integer was expected but not found.";

} // namespace

TWordContainer::TWordContainer(std::string rawText) : m_rawText(std::move(rawText))
{
    std::string_view text(m_rawText);
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlankOrControl(text[begin])) ++begin;
    while (end > begin && IsBlankOrControl(text[end - 1])) --end;
    text = text.substr(begin, end - begin);
    while (!text.empty()) {
        std::size_t wordEnd = 0;
        while (wordEnd < text.size() && !IsSeparator(text[wordEnd])) ++wordEnd;
        m_words.emplace_back(text.substr(0, wordEnd));
        std::size_t next = wordEnd;
        while (next < text.size() && IsBlankOrControl(text[next])) ++next;
        text.remove_prefix(next);
    }
}

TWordReader::TWordReader(const std::filesystem::path& fileName)
{
    SplitIntoLines(ReadWholeFile(fileName));
}

TWordReader TWordReader::FromText(std::string_view bytes)
{
    TWordReader reader;
    reader.SplitIntoLines(bytes);
    return reader;
}

void TWordReader::SplitIntoLines(std::string_view bytes)
{
    // A line is read, then another while bytes remain: an empty file is one empty line, and a final
    // line break adds no line.
    std::size_t pos = 0;
    do {
        std::size_t lineEnd = bytes.find('\n', pos);
        std::size_t next;
        if (lineEnd == std::string_view::npos) {
            lineEnd = bytes.size();
            next = bytes.size();
        } else {
            next = lineEnd + 1;
        }
        std::size_t textEnd = lineEnd;
        if (textEnd > pos && bytes[textEnd - 1] == '\r') --textEnd;
        m_lines.emplace_back(std::string(bytes.substr(pos, textEnd - pos)));
        pos = next;
    } while (pos < bytes.size());
}

std::string TWordReader::TakeWord(const char* expected, int& lineNo, int& itemNo)
{
    if (m_line < LineCount() && m_word >= m_lines[static_cast<std::size_t>(m_line)].Count()) {
        ++m_line;
        m_word = 0;
    }
    if (m_line >= LineCount()) throw EInOutError(kIncomplete);
    const TWordContainer& line = m_lines[static_cast<std::size_t>(m_line)];
    lineNo = m_line + 1;
    if (line.Count() == 0) {
        // A blank line where a word is due: say which line, and leave it behind for the next read.
        throw EInOutError(LineItemMessage(lineNo, 1, expected));
    }
    itemNo = m_word + 1;
    return line.Words()[static_cast<std::size_t>(m_word++)];
}

std::string TWordReader::NextWord()
{
    int lineNo = 0, itemNo = 0;
    return TakeWord(kWordExpected, lineNo, itemNo);
}

long double TWordReader::ReadFloat()
{
    int lineNo = 0, itemNo = 0;
    const std::string word = TakeWord(kFloatExpected, lineNo, itemNo);
    long double value = 0;
    if (ParseDecimalText(word, value) != DecimalTextResult::Ok)
        throw EInOutError(LineItemMessage(lineNo, itemNo, kFloatExpected));
    return value;
}

std::int32_t TWordReader::ReadInteger()
{
    int lineNo = 0, itemNo = 0;
    const std::string word = TakeWord(kIntegerExpected, lineNo, itemNo);
    long double value = 0;
    if (ParseDecimalText(word, value) != DecimalTextResult::Ok || value != std::trunc(value) ||
        value < -2147483648.0L || value > 2147483647.0L)
        throw EInOutError(LineItemMessage(lineNo, itemNo, kIntegerExpected));
    return static_cast<std::int32_t>(value);
}

std::string TWordReader::ReadLine()
{
    if (AtEnd()) throw EListError::OutOfBounds(m_line);
    std::string text = m_lines[static_cast<std::size_t>(m_line)].RawText();
    ++m_line;
    m_word = 0;
    return text;
}

int TWordReader::WordCount() const
{
    if (AtEnd()) throw EListError::OutOfBounds(m_line);
    return m_lines[static_cast<std::size_t>(m_line)].Count();
}

} // namespace quavis
