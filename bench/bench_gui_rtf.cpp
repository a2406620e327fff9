// Reading and writing topic text: a topic of about 1 MB (5,000 paragraphs of
// mixed formats) must read and write in well under 50 ms each, with memory
// linear in the input. Run with the offscreen platform (set here).
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QGuiApplication>
#include <QTextCursor>
#include <QTextDocument>
#include <string>
#include <vector>

#include "rtf/paragraph_format.h"
#include "rtf/rtf_reader.h"
#include "rtf/rtf_writer.h"

namespace {

// PARAGRAPHS paragraphs of about 200 characters each, cycling through fonts,
// sizes, styles, colours, alignments, indents, bullets, tabs and accents.
void BuildDocument(QTextDocument& doc, int paragraphs) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(15);
    doc.setDefaultFont(font);
    QTextCursor cursor(&doc);
    const QString fonts[] = {"Arial", "Times New Roman", "Courier New", "Verdana"};
    const QColor colours[] = {QColor(0, 0, 0), QColor(255, 0, 0), QColor(0, 128, 0),
                              QColor(0, 0, 255)};
    const QString words = QString::fromUtf8(
        "The quick brown fox jumps over the lazy dog while the caf\u00e9 serves "
        "cr\u00e8me br\u00fbl\u00e9e,\tthen [HREF=20] follows {braces} and \\slashes ");
    for (int p = 0; p < paragraphs; ++p) {
        QTextBlockFormat block;
        block.setAlignment(p % 4 == 1   ? Qt::AlignHCenter
                           : p % 4 == 2 ? Qt::AlignRight
                                        : Qt::AlignLeft);
        scrivlet::SetIndents(block, {static_cast<double>(p % 3) * 18, 0, 0});
        if (p == 0) {
            cursor.setBlockFormat(block);
        } else {
            cursor.insertBlock(block);
        }
        for (int r = 0; r < 3; ++r) {
            QTextCharFormat format;
            format.setFontFamilies({fonts[(p + r) % 4]});
            format.setFontPointSize(8 + (p + r) % 5 * 2);
            format.setFontWeight((p + r) % 2 ? QFont::Bold : QFont::Normal);
            format.setFontItalic((p + r) % 3 == 0);
            format.setFontUnderline((p + r) % 5 == 0);
            format.setFontStrikeOut((p + r) % 7 == 0);
            format.setForeground(colours[(p + r) % 4]);
            cursor.insertText(words.mid(r * 40, 36), format);
        }
        if (p % 10 == 5) {
            scrivlet::SetBullet(cursor, true);
        }
    }
}

std::size_t HeapInUse() {
    return mallinfo2().uordblks;
}

void BM_WriteTopicText(benchmark::State& state) {
    QTextDocument doc;
    BuildDocument(doc, static_cast<int>(state.range(0)));
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::vector<std::string> lines = scrivlet::WriteTopicText(doc);
        bytes = 0;
        for (const std::string& line : lines) {
            bytes += line.size() + 2;
        }
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(static_cast<int64_t>(bytes * state.iterations()));
    state.counters["rtf_bytes"] = static_cast<double>(bytes);
}

void BM_ReadTopicText(benchmark::State& state) {
    QTextDocument source;
    BuildDocument(source, static_cast<int>(state.range(0)));
    const std::vector<std::string> lines = scrivlet::WriteTopicText(source);
    std::size_t bytes = 0;
    for (const std::string& line : lines) {
        bytes += line.size() + 2;
    }
    double heapPerByte = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = std::make_unique<QTextDocument>();
        std::size_t before = HeapInUse();
        state.ResumeTiming();
        scrivlet::RtfReadResult result = scrivlet::ReadTopicText(lines, *doc);
        benchmark::DoNotOptimize(result);
        state.PauseTiming();
        heapPerByte = static_cast<double>(HeapInUse() - before) / static_cast<double>(bytes);
        doc.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(bytes * state.iterations()));
    state.counters["rtf_bytes"] = static_cast<double>(bytes);
    // Heap the read document holds per byte of RTF: constant across sizes
    // means memory linear in the input.
    state.counters["heap_per_rtf_byte"] = heapPerByte;
}

// One paragraph of RANGE(0) KB on a single line (text with bold runs), as a
// topic pasted from elsewhere may be: the reader must stay linear in it.
void BM_ReadOneLongLine(benchmark::State& state) {
    const std::size_t target = static_cast<std::size_t>(state.range(0)) * 1024;
    std::string line = "\\deflang1033\\pard\\plain\\f0\\fs22 ";
    while (line.size() < target) {
        line += "Some words of a long line \\b bold\\b0  and on. ";
    }
    const std::vector<std::string> lines{"{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}",
                                         "{\\colortbl\\red0\\green0\\blue0;}", line, "\\par }"};
    for (auto _ : state) {
        QTextDocument doc;
        benchmark::DoNotOptimize(scrivlet::ReadTopicText(lines, doc));
    }
    state.SetBytesProcessed(static_cast<int64_t>(line.size() * state.iterations()));
}

BENCHMARK(BM_ReadOneLongLine)->Arg(256)->Arg(1024)->Arg(4096)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteTopicText)->Arg(1250)->Arg(2500)->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadTopicText)->Arg(1250)->Arg(2500)->Arg(5000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
