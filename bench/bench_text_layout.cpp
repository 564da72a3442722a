// Cost of wrapped text, which several screens lay out every frame: a
// paragraph of about sixty words in a 400-unit box, measured in the default
// image font, for each alignment.
#include <benchmark/benchmark.h>

#include <string>

#include "gui/text_draw.h"
#include "gui/text_layout.h"
#include "platform/font.h"

namespace {

std::string paragraph() {
    std::string text;
    for (int i = 0; i < 60; ++i) text += (i ? " " : "") + std::string(i % 3 ? "forward" : "goal") + "s";
    return text;
}

void BM_LayoutWrappedText(benchmark::State& state) {
    const std::string text = paragraph();
    const int align = static_cast<int>(state.range(0));
    const TextMeasure measure = [](const std::string& t) { return platform::fontWidth(nullptr, t); };
    for (auto _ : state) {
        WrappedLayout layout = layoutWrappedText(text, 310, 320, 400, align, 18, measure);
        benchmark::DoNotOptimize(layout);
    }
}
BENCHMARK(BM_LayoutWrappedText)->Arg(ALIGN_LEFT)->Arg(ALIGN_CENTER)->Arg(ALIGN_JUSTIFY);

void BM_MeasureWrappedText(benchmark::State& state) {
    const std::string text = paragraph();
    for (auto _ : state) benchmark::DoNotOptimize(measureWrappedText(text, 400, "CENTER", nullptr, 1));
}
BENCHMARK(BM_MeasureWrappedText);

}  // namespace

BENCHMARK_MAIN();
