#pragma once

#include <cstddef>
#include <string_view>

// The length to which a text is cut so that it holds at most limit bytes
// without splitting a UTF-8 character: when the first byte dropped would be
// a continuation byte, the cut moves back to the start of that character.
inline std::size_t CutLength(std::string_view text, std::size_t limit)
{
    if (text.size() <= limit)
        return text.size();
    std::size_t length = limit;
    auto isContinuation = [](char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; };
    for (int back = 0; back < 3 && length > 0 && isContinuation(text[length]); ++back)
        --length;
    // Not UTF-8 after all (a long run of such bytes): cut at the limit.
    if (isContinuation(text[length]) || length == 0)
        return limit;
    return length;
}

inline std::string_view CutText(std::string_view text, std::size_t limit)
{
    return text.substr(0, CutLength(text, limit));
}
