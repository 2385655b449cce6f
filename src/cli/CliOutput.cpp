#include "CliOutput.h"

#include "common/Encoding.h"

#include <cstdio>

namespace vlm::cli {

std::string TerminalText(const std::string& cp1250) {
    std::string text;
    text.reserve(cp1250.size());
    for (std::size_t i = 0; i < cp1250.size(); ++i) {
        if (cp1250[i] == '\r') {
            text += '\n';
            if (i + 1 < cp1250.size() && cp1250[i + 1] == '\n')
                ++i;
        } else {
            text += cp1250[i];
        }
    }
    return Cp1250ToUtf8(text);
}

namespace {
void WriteLine(std::FILE* stream, const std::string& text) {
    std::fputs(text.c_str(), stream);
    if (text.empty() || text.back() != '\n')
        std::fputc('\n', stream);
    std::fflush(stream);
}
} // namespace

void TCliOutput::Message(const std::string& cp1250) const {
    if (!quiet)
        Important(cp1250);
}

void TCliOutput::Important(const std::string& cp1250) const {
    WriteLine(stderr, TerminalText(cp1250));
}

void TCliOutput::Warning(const std::string& utf8) const {
    WriteLine(stderr, utf8);
}

void TCliOutput::Result(const std::string& text, bool utf8) const {
    WriteLine(stdout, utf8 ? text : TerminalText(text));
}

} // namespace vlm::cli
