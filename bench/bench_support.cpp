#include "bench_support.h"

#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "platform/image_file.h"

namespace tov::bench {

double ThreadNanoseconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e9 + static_cast<double>(t.tv_nsec);
}

double MemcpyNanoseconds(size_t bytes) {
    static std::map<size_t, double> measured;
    if (auto found = measured.find(bytes); found != measured.end()) return found->second;
    std::vector<uint8_t> from(bytes, 0x5A);
    std::vector<uint8_t> to(bytes);
    const int batch =
        static_cast<int>(std::clamp<size_t>((size_t{64} << 20) / (bytes + 1), 4, 2000));
    double best = 1e18;
    for (int round = 0; round < 15; ++round) {
        const double start = ThreadNanoseconds();
        for (int i = 0; i < batch; ++i) {
            from[static_cast<size_t>(i) % bytes] = static_cast<uint8_t>(i);
            std::memcpy(to.data(), from.data(), bytes);
            benchmark::DoNotOptimize(to.data());
            benchmark::ClobberMemory();
        }
        best = std::min(best, (ThreadNanoseconds() - start) / batch);
    }
    measured[bytes] = best;
    return best;
}

void RunAgainstMemcpy(benchmark::State& state, size_t bytes, const std::function<void(int)>& step) {
    const double memcpy_ns = MemcpyNanoseconds(bytes);
    int n = 0;
    const double start = ThreadNanoseconds();
    for (auto _ : state) {
        step(n);
        benchmark::ClobberMemory();
        n = (n + 7) % 101;
    }
    const double per_call = (ThreadNanoseconds() - start) / static_cast<double>(state.iterations());
    state.counters["vs_memcpy"] = per_call / memcpy_ns;
    state.counters["bytes"] = static_cast<double>(bytes);
}

namespace {

tov::platform::Surface Picture(uint32_t salt) {
    tov::platform::Surface s(kPictureWidth, kPictureHeight);
    for (int y = 0; y < kPictureHeight; ++y) {
        for (int x = 0; x < kPictureWidth; ++x) {
            s.At(x, y) = ((x * 255 / kPictureWidth) << 16) | ((y * 255 / kPictureHeight) << 8) |
                         ((x ^ y ^ salt) & 0xFF);
        }
    }
    return s;
}

}  // namespace

BenchEngine::BenchEngine() {
    dir_ = std::filesystem::temp_directory_path() / ("tov-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir_);
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(dir_);
    engine_.MainPanel().InstallPanel(0, 0, kPanelWidth, kPanelHeight);
    for (int slot = 0; slot < 2; ++slot) {
        const std::string name = "bench" + std::to_string(slot) + ".png";
        tov::platform::WritePng((dir_ / name).string(), Picture(slot == 0 ? 0x00 : 0x55));
        engine_.BitmapSelection().AddBitmapToSelection(name, static_cast<int16_t>(slot),
                                                       kPictureWidth, kPictureHeight);
    }
    std::filesystem::current_path(previous);
}

BenchEngine::~BenchEngine() {
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
}

}  // namespace tov::bench
