// Feeds arbitrary bytes to the string codecs of common/ and checks their
// round trips: what a codec writes its counterpart must read back as the
// same bytes. The decoders also get the raw bytes, which they may refuse
// only with ConvertError.
#include "common/AsciiText.h"
#include "common/ConvertError.h"
#include "common/Encoding.h"
#include "common/StringTools.h"
#include "common/charConverter.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

bool Contains(std::string_view text, std::string_view word) {
    return vlm::FindTextAscii(text, word) != std::string_view::npos;
}

// The URL form encoding's own alphabet.
bool UrlSafe(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           std::string_view("*@._-$!'()+%").find(c) != std::string_view::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    // The escape table: the three exceptions are read as the space, the
    // quote and the hash on purpose (texts of older versions).
    const std::string escaped = vlm::EncodeText(text);
    if (!Contains(text, "&nbsp;") && !Contains(text, "%22") && !Contains(text, "%23") &&
        vlm::DecodeText(escaped) != text)
        __builtin_trap();
    (void)vlm::DecodeText(text);

    const std::string url = vlm::UrlEncode(text);
    for (char c : url)
        if (!UrlSafe(c))
            __builtin_trap();
    if (vlm::UrlDecode(url) != text)
        __builtin_trap();
    try {
        (void)vlm::UrlDecode(text);
    } catch (const vlm::ConvertError&) {
    }

    const std::string entities = vlm::TextToEntities(text);
    if (vlm::EntitiesToText(entities) != text)
        __builtin_trap();
    try {
        (void)vlm::EntitiesToText(text);
    } catch (const vlm::ConvertError&) {
    }

    // Every cp1250 byte has a code point, so this direction is lossless.
    const std::string utf8 = vlm::Cp1250ToUtf8(text);
    if (vlm::Utf8ToCp1250(utf8) != text)
        __builtin_trap();
    // Bytes read as UTF-8 lose what cp1250 lacks, once: the result then
    // travels both ways unchanged.
    const std::string cp1250 = vlm::Utf8ToCp1250(text);
    if (vlm::Utf8ToCp1250(vlm::Cp1250ToUtf8(cp1250)) != cp1250)
        __builtin_trap();
    return 0;
}
