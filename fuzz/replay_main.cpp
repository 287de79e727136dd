// Runs a fuzz target without libFuzzer: every file named on the command line, and every file in
// the folders named there, goes through LLVMFuzzerTestOneInput once. The normal test suite
// replays the kept crashers and seeds this way under its own sanitizers.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
    std::vector<std::filesystem::path> inputs;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path named(argv[i]);
        if (std::filesystem::is_directory(named)) {
            for (const auto& entry : std::filesystem::directory_iterator(named))
                if (entry.is_regular_file()) inputs.push_back(entry.path());
        } else {
            inputs.push_back(named);
        }
    }
    std::sort(inputs.begin(), inputs.end());
    size_t replayed = 0;
    for (const std::filesystem::path& input : inputs) {
        std::ifstream in(input, std::ios::binary);
        // A running fuzzer removes inputs from its corpus as it shortens them.
        if (!in && !std::filesystem::exists(input)) continue;
        if (!in) {
            std::fprintf(stderr, "cannot read %s\n", input.string().c_str());
            return 1;
        }
        const std::vector<uint8_t> bytes(std::istreambuf_iterator<char>(in), {});
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
        ++replayed;
    }
    std::printf("replayed %zu inputs\n", replayed);
    return 0;
}
