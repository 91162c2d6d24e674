// The print preview window on a dense 300-page text report (offscreen). Targets: recording the
// report and opening the window on it (shown and first painted) under 1 s; turning a page
// (next page and its paint) under 100 ms.
#include <benchmark/benchmark.h>

#include <QPixmap>
#include <QToolButton>
#include <memory>

#include "bench/BenchApplication.h"
#include "framework/PreviewWindow.h"
#include "framework/RecordedPages.h"
#include "framework/ReportCanvas.h"

namespace {

constexpr int kPages = 300;

// Full pages of small type in four tab columns, as a list report prints them.
std::unique_ptr<rp::RecordedPages> recordDenseReport() {
    auto pages = std::make_unique<rp::RecordedPages>();
    rp::ReportCanvas canvas(*pages);
    canvas.setMarginLeft(0.5);
    canvas.setMarginTop(0.5);
    canvas.setMarginRight(0.5);
    canvas.setMarginBottom(0.5);
    canvas.setFontSize(8);
    if (!canvas.start()) return nullptr;
    for (double left : {0.5, 2.5, 4.5, 6.0})
        canvas.addTab(rp::TabStop{.position = left, .width = 1.9});
    int line = 0;
    for (int page = 1; page <= kPages; ++page) {
        if (page > 1) canvas.newPage();
        while (canvas.linesLeft() > 0) {
            ++line;
            canvas.printTab(QStringLiteral("Smithson-%1, Jonathan Q.").arg(line));
            canvas.printTab(QStringLiteral("%1 North Main Street, Apt %2")
                                .arg(line % 9000 + 100)
                                .arg(line % 40));
            canvas.printTab(QStringLiteral("Springfield IL"));
            canvas.printTab(QStringLiteral("6270%1-%2").arg(line % 10).arg(1000 + line % 9000));
            canvas.newLine();
        }
    }
    canvas.finish();
    return pages;
}

void BM_RecordAndOpenPreview(benchmark::State& state) {
    bench::ensureApplication();
    for (auto _ : state) {
        const auto pages = recordDenseReport();
        if (!pages || pages->pageCount() != kPages)
            return state.SkipWithError("the report did not record");
        rp::PreviewWindow form(*pages, QStringLiteral("Preview Report"));
        form.show();
        benchmark::DoNotOptimize(form.grab());
    }
}
BENCHMARK(BM_RecordAndOpenPreview)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_OpenPreview(benchmark::State& state) {
    bench::ensureApplication();
    const auto pages = recordDenseReport();
    if (!pages || pages->pageCount() != kPages)
        return state.SkipWithError("the report did not record");
    for (auto _ : state) {
        rp::PreviewWindow form(*pages, QStringLiteral("Preview Report"));
        form.show();
        benchmark::DoNotOptimize(form.grab());
    }
}
BENCHMARK(BM_OpenPreview)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_TurnPreviewPage(benchmark::State& state) {
    bench::ensureApplication();
    const auto pages = recordDenseReport();
    if (!pages || pages->pageCount() != kPages)
        return state.SkipWithError("the report did not record");
    rp::PreviewWindow form(*pages, QStringLiteral("Preview Report"));
    form.show();
    for (auto _ : state) {
        if (form.currentPage() == kPages - 1) form.firstButton()->click();
        form.nextButton()->click();
        benchmark::DoNotOptimize(form.grab());
    }
}
BENCHMARK(BM_TurnPreviewPage)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
