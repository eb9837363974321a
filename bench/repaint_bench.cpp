// A full repaint of a 1920 x 1080 editor window over a 64 MiB document with a
// table of single, two-character, long and pair entries.

#include "core/document.h"
#include "core/session.h"
#include "core/table_loader.h"
#include "ui/editor/mdi_child.h"
#include "ui/editor/view_context.h"
#include "view/colour_table.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>
#include <cstdio>
#include <string>

namespace {

constexpr std::size_t kDocumentBytes = 64u << 20;

std::string BenchTable()
{
    std::string table;
    char line[64];
    for (int byte = 0x20; byte < 0x7F; ++byte) {
        std::snprintf(line, sizeof line, "%02X=%c\n", byte, byte);
        table += line;
    }
    for (int byte = 0x80; byte < 0xA0; ++byte) {
        std::snprintf(line, sizeof line, "%02X=%c%c\n", byte, 'a' + (byte & 15), 'b' + (byte & 7));
        table += line;
    }
    for (int byte = 0xA0; byte < 0xC0; ++byte) {
        std::snprintf(line, sizeof line, "%02X=<%02X>\n", byte, byte);
        table += line;
    }
    for (int key = 0xE000; key < 0xF000; ++key) {
        std::snprintf(line, sizeof line, "%04X=[%04X]\n", key, key);
        table += line;
    }
    table += "/FE\n*FF\n";
    return table;
}

class RepaintScene {
public:
    explicit RepaintScene(bool unicodeView) : context_(session_), editor_(context_, doc_)
    {
        session_.applicationReady = true;
        context_.colours = zarvo::LoadColors();
        zarvo::DocRecord& doc = doc_;
        doc.storage = zarvo::DocumentBytes::Owned(kDocumentBytes);
        uint32_t state = 12345;
        for (std::size_t index = 0; index < kDocumentBytes; ++index) {
            state = state * 1103515245u + 12345u;
            doc.storage.data()[index] = static_cast<uint8_t>(state >> 24);
        }
        doc.fileSize = static_cast<int32_t>(kDocumentBytes);
        doc.viewSize = static_cast<int32_t>(kDocumentBytes);
        doc.fileName = "bench.bin";
        doc.unicodeView = unicodeView;
        zarvo::ParseTableText(doc.table, session_.tables, BenchTable());
        editor_.resize(1920, 1080);
        editor_.FitViewToWindow();
        doc.cursorRow = 5;
        doc.cursorColumn = 7;
    }

    // Paints one page at offset; returns the bytes the page shows.
    int32_t repaint(int32_t offset)
    {
        doc_.topOffset = offset;
        editor_.render(&image_);
        return session_.view.pageBytes;
    }

    [[nodiscard]] int32_t pageBytes() const { return session_.view.pageBytes; }
    [[nodiscard]] int32_t bytesPerRow() const { return session_.view.bytesPerRow; }

private:
    zarvo::Session session_;
    zarvo::ViewContext context_;
    zarvo::DocRecord doc_;
    zarvo::TMDIChild editor_;
    QImage image_{1920, 1080, QImage::Format_RGB32};
};

void RunRepaint(benchmark::State& state, bool unicodeView)
{
    RepaintScene scene(unicodeView);
    int64_t shown = 0;
    int32_t offset = 0;
    const int32_t step = scene.pageBytes() * 7 + 13;
    const int32_t span = static_cast<int32_t>(kDocumentBytes) - scene.pageBytes();
    for (auto _ : state) {
        shown += scene.repaint(offset);
        offset = (offset + step) % span;
    }
    state.SetBytesProcessed(shown);
    state.counters["bytesPerRow"] = scene.bytesPerRow();
    state.counters["rows"] = scene.pageBytes() / scene.bytesPerRow();
}

void BM_FullRepaint1080p(benchmark::State& state) { RunRepaint(state, false); }
void BM_FullRepaint1080pUnicode(benchmark::State& state) { RunRepaint(state, true); }

BENCHMARK(BM_FullRepaint1080p)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullRepaint1080pUnicode)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    // Set before the application exists: the benchmark needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    QApplication application(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
