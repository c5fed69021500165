// BlendPixels throughput, plain and vector, against a memcpy of the same
// output size. Prints figures; no pass or fail.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <random>
#include <vector>

#include "view/core/blend.h"

namespace {

template <typename F>
double BestMs(F f, int reps) {
    double best = 1e9;
    for (int r = 0; r < reps; ++r) {
        const auto t0 = std::chrono::steady_clock::now();
        f();
        const auto t1 = std::chrono::steady_clock::now();
        best = std::min(best, std::chrono::duration<double, std::milli>(t1 - t0).count());
    }
    return best;
}

}  // namespace

int main() {
    // A 208 x 274 panel (the demo skin) and a 1920 x 1080 screen's worth.
    const struct { int w, h; } sizes[] = {{208, 274}, {1920, 1080}};
    std::mt19937 rng(1);
    volatile uint8_t sink = 0;
    for (const auto& s : sizes) {
        const size_t count = static_cast<size_t>(s.w) * s.h;
        std::vector<uint8_t> from(count * 4), to(count * 4), out(count * 4);
        for (auto& b : from) b = static_cast<uint8_t>(rng());
        for (auto& b : to) b = static_cast<uint8_t>(rng());
        const int reps = count > 1000000 ? 20 : 200;
        const double copy = BestMs([&] { std::memcpy(out.data(), to.data(), out.size()); }, reps);
        sink = sink + out[count / 2];
        const double plain =
            BestMs([&] { BlendPixels(out.data(), from.data(), to.data(), s.w, s.h, 4, 128, false); }, reps);
        sink = sink + out[count / 3];
        const double simd =
            BestMs([&] { BlendPixels(out.data(), from.data(), to.data(), s.w, s.h, 4, 128, true); }, reps);
        sink = sink + out[count / 4];
        const double mb = count * 4 / 1e6;
        std::printf(
            "%4d x %4d: memcpy %.3f ms (%.0f MB/s), plain %.3f ms (%.0f MB/s), vector %.3f ms (%.0f MB/s); "
            "vector/memcpy speed %.2f\n",
            s.w, s.h, copy, mb / copy * 1000, plain, mb / plain * 1000, simd, mb / simd * 1000, copy / simd);
    }
    return 0;
}
