// The word reader over arbitrary file bytes, driven through all its reads: every read ends in a value or
// in a read error, and the reader always moves on, so the loop below ends.
#include "components/errors.h"
#include "components/word_reader.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    // The first byte picks the sequence of reads; the rest is the file.
    const unsigned pattern = data[0];
    auto reader = quavis::TWordReader::FromText(
        std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));

    const std::size_t limit = 4 * size + 8; // each read takes a word or a line, or fails at the end
    for (std::size_t step = 0; step < limit; ++step) {
        if (reader.AtEnd()) return 0;
        try {
            switch ((pattern >> (step % 7)) & 3u) {
            case 0: {
                const long double x = reader.ReadFloat();
                if (!std::isfinite(x)) __builtin_trap();
                break;
            }
            case 1: reader.ReadInteger(); break;
            case 2:
                if (step % 5 == 0) reader.ReadLine();
                else (void)reader.NextWord();
                break;
            default:
                if (reader.WordCount() < 0) __builtin_trap();
                (void)reader.NextWord();
                break;
            }
        } catch (const quavis::EInOutError&) {
            // A read error names its line or says the file is incomplete; reading on is allowed.
        }
    }
    __builtin_trap(); // the reader stopped moving
}
