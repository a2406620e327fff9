// libFuzzer target for the topic text reader. Besides "never crash, never
// hang", it checks the codec's promise on whatever document the input gives:
// what the writer writes, the reader reads back to the same lines.
#include <QGuiApplication>
#include <QTextDocument>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "core/rtf/rtf_tokenizer.h"
#include "rtf/rtf_reader.h"
#include "rtf/rtf_writer.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication* app = new QGuiApplication(*argc, *argv);
    (void)app;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);

    scrivlet::rtf::Tokenizer tokenizer(input);
    std::size_t count = 0;
    while (tokenizer.Next().kind != scrivlet::rtf::TokenKind::kEnd) {
        if (++count > size + 1) {  // every token consumes at least one byte
            std::fprintf(stderr, "tokenizer does not advance\n");
            std::abort();
        }
    }

    QTextDocument doc;
    scrivlet::ReadRtf(input, doc);
    std::vector<std::string> first = scrivlet::WriteTopicText(doc);
    QTextDocument again;
    scrivlet::RtfReadResult result = scrivlet::ReadTopicText(first, again);
    std::vector<std::string> second = scrivlet::WriteTopicText(again);
    if (!result.ok || first != second) {
        std::fprintf(stderr, "round trip differs: %s\n", result.error.c_str());
        for (std::size_t i = 0; i < first.size() || i < second.size(); ++i) {
            std::fprintf(stderr, "1: %s\n2: %s\n", i < first.size() ? first[i].c_str() : "",
                         i < second.size() ? second[i].c_str() : "");
        }
        std::abort();
    }
    return 0;
}
