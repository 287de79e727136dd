// libFuzzer target: the dispatch layer fed programs of member calls.
//
// An input is read as: one byte of set-up (bit 0 installs a main panel, bit 1 an extra panel,
// bit 2 loads the test picture into slots 0 to 2), then calls until the input ends: a member
// (slot 1..148), then its arguments, each a variant of any type.
//
// Installing panels costs far more than any other call, so one engine is kept across inputs:
// the set-up byte counts only for the first input on a new engine, a new engine is made every
// kInputsPerEngine inputs, and an install or discard member goes through only once
// kCallsBetweenInstalls calls have passed since the last one. Most calls thus reach effects on
// panels already there.
//
// A fault can depend on what earlier inputs left in the engine. With TOV_FUZZ_HISTORY naming a
// file, every input since the engine was made is kept in that file (mapped into memory, so it
// survives a crash) as one history input: the magic "TOVHIST1", then each input as a 32-bit
// length and its bytes. A history input runs its inputs in order on a fresh engine, so it
// replays the fault alone; the regression inputs are such files or plain inputs.
//
// The folder current while the target runs is a fresh temporary one; file names are taken from
// a short list of names inside it, so every file a member writes lands there. WinExecute is
// never called: it starts programs.
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine.h"
#include "fuzz_input.h"
#include "platform/image_file.h"
#include "platform/presenters/headless.h"
#include "server/dispatch.h"
#include "server/member_table.h"

namespace {

using tov::fuzz::FuzzInput;
using tov::platform::Variant;
namespace server = tov::server;

constexpr int kMostCalls = 1024;
constexpr uint64_t kInputsPerEngine = 2000;
constexpr uint64_t kCallsBetweenInstalls = 4096;
constexpr int kMostTextBytes = 255;
constexpr int kLongText = 10000;

constexpr int64_t kIntegers[] = {0,
                                 -1,
                                 -2,
                                 1,
                                 2,
                                 3,
                                 7,
                                 8,
                                 10,
                                 11,
                                 15,
                                 16,
                                 99,
                                 100,
                                 159,
                                 160,
                                 255,
                                 256,
                                 499,
                                 500,
                                 1000,
                                 1605,
                                 32767,
                                 -32768,
                                 65535,
                                 65536,
                                 0x111,
                                 0xFFFFFF,
                                 0x1000000,
                                 2147483647,
                                 -2147483647 - 1,
                                 4294967296LL};

constexpr double kReals[] = {0.0,  -0.0,  0.5,   1.0,    -1.0,   1.5,    2.5,     100.0,
                             1e10, -1e10, 1e300, -1e300, 1e-300, 5e-324, 32767.5, -32768.5};

// Face names: installed ones, an unknown one and the measuring fonts' names.
constexpr std::string_view kFaces[] = {"DejaVu Sans", "Liberation Serif", "NoSuchFace",
                                       "My_Temp_MetaFont", ""};

// File names: the test picture (by several spellings), a missing file, a folder, a name with a
// leading backslash and the high-score table; all inside the work folder.
constexpr std::string_view kFileNames[] = {
    "picture.png", "PICTURE.PNG", "\\picture.png", "sub\\picture.bmp",
    "missing.bmp", "sub",         "scores.hsc",    ""};

// The high-score file is named relative to the current folder, where a leading backslash names
// the root: its names have none, so that a saved table stays in the work folder.
constexpr std::string_view kScoreFileNames[] = {
    "picture.png", "PICTURE.PNG", "sub\\picture.bmp", "sub", "scores.hsc", "SUB\\Scores.HSC", ""};

// The work folder: made and entered once per process, removed with everything in it at exit.
// The count of member calls is printed then.
struct WorkFolder {
    std::filesystem::path path;
    uint64_t calls = 0;

    WorkFolder() {
        char pattern[] = "/tmp/tov-fuzz-XXXXXX";
        if (mkdtemp(pattern) == nullptr) std::abort();
        path = pattern;
        std::filesystem::current_path(path);
        std::filesystem::create_directory(path / "sub");
        tov::platform::Surface picture(24, 16, 0x336699);
        for (int x = 0; x < picture.width; ++x)
            picture.At(x, x % picture.height) = 0xFFFF00;
        tov::platform::WritePng("picture.png", picture);
        tov::platform::WritePng("sub/picture.bmp", picture);
    }
    ~WorkFolder() {
        std::fprintf(stderr, "dispatch_fuzzer: %llu member calls\n",
                     static_cast<unsigned long long>(calls));
        std::error_code error;
        std::filesystem::current_path("/", error);
        std::filesystem::remove_all(path, error);
    }
};

Variant AnyVariant(FuzzInput& in, std::vector<Variant>& referenced) {
    switch (in.Byte() % 14) {
        case 0:
            return Variant();
        case 1:
            return Variant::Null();
        case 2:
            return Variant::I2(static_cast<int16_t>(in.Bits(2)));
        case 3:
            return Variant::I4(static_cast<int32_t>(in.Bits(4)));
        case 4:
            return Variant::I8(static_cast<int64_t>(in.Bits(8)));
        case 5:
            return Variant::UI1(in.Byte());
        case 6:
            return Variant::R8(in.Real());
        case 7:
            return Variant::Bool(in.Byte() & 1);
        case 8:
            return Variant::String(in.Text(kMostTextBytes));
        case 9:
            return Variant::NullString();
        case 10: {
            const int64_t v = kIntegers[in.Byte() % std::size(kIntegers)];
            return Variant::I8(v);
        }
        case 11: {
            const uint8_t pick = in.Byte();
            if (pick % 4 == 0) return Variant::R8(std::numeric_limits<double>::quiet_NaN());
            if (pick % 4 == 1) return Variant::R8((pick & 4) ? INFINITY : -INFINITY);
            return Variant::R8(kReals[pick % std::size(kReals)]);
        }
        case 12: {
            // Numbers as texts, and a text far longer than any member takes.
            const uint8_t pick = in.Byte();
            if (pick < 16) return Variant::String(std::string(kLongText, 'W'));
            return Variant::String(std::to_string(kIntegers[pick % std::size(kIntegers)]));
        }
        default: {
            // A reference to a variant that outlives the call (the out arguments' kind).
            if (referenced.size() >= referenced.capacity()) return Variant();
            referenced.push_back(in.Byte() & 1 ? Variant::I2(7) : Variant());
            return Variant::Ref(&referenced.back());
        }
    }
}

Variant ArgumentFor(const server::Param& param, FuzzInput& in, std::vector<Variant>& referenced) {
    const std::string_view name = param.name;
    const bool text = param.type == server::ParamType::Text;
    // Mostly well-formed names, so that the members get past their file and font look-ups.
    if (text && name == "HScoreFileName")
        return Variant::String(kScoreFileNames[in.Byte() % std::size(kScoreFileNames)]);
    if (text && name.find("FileName") != std::string_view::npos) {
        return Variant::String(kFileNames[in.Byte() % std::size(kFileNames)]);
    }
    if (text && (name.find("Font") != std::string_view::npos) && in.Byte() < 224) {
        return Variant::String(kFaces[in.Byte() % std::size(kFaces)]);
    }
    return AnyVariant(in, referenced);
}

bool InstallsOrDiscards(std::string_view name) {
    return name.starts_with("Install") || name.starts_with("Discard");
}

constexpr char kHistoryMagic[8] = {'T', 'O', 'V', 'H', 'I', 'S', 'T', '1'};
constexpr size_t kHistoryBytes = size_t{16} << 20;

// The inputs run on the current engine, in a file mapped into memory (see the top of the file).
class History {
  public:
    History() {
        const char* path = std::getenv("TOV_FUZZ_HISTORY");
        if (path == nullptr || *path == '\0') return;
        const int fd = open(path, O_RDWR | O_CREAT | O_TRUNC, 0644);
        if (fd < 0 || ftruncate(fd, kHistoryBytes) != 0) std::abort();
        void* map = mmap(nullptr, kHistoryBytes, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
        close(fd);
        if (map == MAP_FAILED) std::abort();
        bytes_ = static_cast<uint8_t*>(map);
        std::memcpy(bytes_, kHistoryMagic, sizeof kHistoryMagic);
        used_ = sizeof kHistoryMagic;
    }

    // Forgets the inputs of the previous engine.
    void Restart() {
        if (bytes_ == nullptr) return;
        used_ = sizeof kHistoryMagic;
        std::memset(bytes_ + used_, 0, 4);
    }

    // Keeps one input; the history ends after it (a zero length follows) until the next.
    void Add(std::span<const uint8_t> input) {
        if (bytes_ == nullptr || used_ + 8 + input.size() > kHistoryBytes) return;
        const uint32_t length = static_cast<uint32_t>(input.size());
        std::memcpy(bytes_ + used_, &length, 4);
        if (!input.empty()) std::memcpy(bytes_ + used_ + 4, input.data(), input.size());
        used_ += 4 + input.size();
        std::memset(bytes_ + used_, 0, 4);
    }

  private:
    uint8_t* bytes_ = nullptr;
    size_t used_ = 0;
};

// One engine and what the fuzzer counts on it.
struct FuzzEngine {
    std::unique_ptr<tov::Engine> engine;
    uint64_t inputs = 0;
    uint64_t calls_since_install = kCallsBetweenInstalls;

    void Renew() {
        engine.reset();
        auto presenter = std::make_unique<tov::platform::HeadlessPresenter>();
        presenter->SetEcho(false);
        engine = std::make_unique<tov::Engine>(std::move(presenter));
        inputs = 0;
        calls_since_install = kCallsBetweenInstalls;
    }
};

// Runs one input on the engine: its set-up when the engine is new, then its calls.
void RunInput(FuzzEngine& fuzz, std::span<const uint8_t> bytes, uint64_t& calls) {
    tov::Engine& engine = *fuzz.engine;
    tov::platform::Runtime& rt = engine.Runtime();
    FuzzInput in(bytes);
    const uint8_t setup = in.Byte();
    if (fuzz.inputs++ == 0) {
        if (setup & 1) engine.MainPanel().InstallPanel(0, 0, 256, 128);
        if (setup & 2) engine.ExtraPanel().InstallExtraPanel(300, 0, 128, 96);
        if (setup & 4) {
            for (int16_t slot = 0; slot < 3; ++slot)
                engine.BitmapSelection().AddBitmapToSelection("picture.png", slot, 8, 8);
        }
    }

    for (int call = 0; call < kMostCalls && !in.Empty(); ++call) {
        const server::MemberDecl& member = server::kMemberTable[in.Below(server::kMemberCount)];
        if (member.name == "WinExecute") continue;
        if (InstallsOrDiscards(member.name)) {
            if (in.Byte() >= 16 || fuzz.calls_since_install < kCallsBetweenInstalls) continue;
            fuzz.calls_since_install = 0;
        }

        std::vector<Variant> referenced;
        referenced.reserve(server::kMaxParams);
        std::vector<Variant> arguments;
        for (const server::Param& param : member.Params()) {
            if (!server::IsResult(param.type))
                arguments.push_back(ArgumentFor(param, in, referenced));
        }
        // Now and then one argument too many or too few.
        const uint8_t count = in.Byte();
        if (count == 255) arguments.push_back(Variant::I2(1));
        if (count == 254 && !arguments.empty()) arguments.pop_back();

        const size_t popups_before = rt.Popups().size();
        Variant result;
        server::InvokeError error;
        const server::HResult status =
            server::InvokeSlot(engine, member.slot, arguments, &result, &error);
        ++calls;
        ++fuzz.calls_since_install;
        // A body's -1 always comes with exactly one report.
        if (status == server::kBodyFailed && rt.Popups().size() != popups_before + 1) {
            std::fprintf(stderr, "%s returned -1 with %zu popups\n",
                         std::string(member.name).c_str(), rt.Popups().size() - popups_before);
            std::abort();
        }
        if (rt.Popups().size() > 1000) rt.ClearPopups();
    }
}

// Runs a history input: each input it holds, in order, on one fresh engine.
void RunHistory(std::span<const uint8_t> bytes, uint64_t& calls) {
    FuzzEngine fuzz;
    fuzz.Renew();
    size_t at = sizeof kHistoryMagic;
    while (at + 4 <= bytes.size()) {
        uint32_t length = 0;
        std::memcpy(&length, bytes.data() + at, 4);
        at += 4;
        if (length == 0 || length > bytes.size() - at) break;
        RunInput(fuzz, bytes.subspan(at, length), calls);
        at += length;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static WorkFolder folder;
    static History history;
    static FuzzEngine fuzz;
    const std::span<const uint8_t> bytes(data, size);
    if (size >= sizeof kHistoryMagic && std::memcmp(data, kHistoryMagic, 8) == 0) {
        RunHistory(bytes, folder.calls);
        return 0;
    }
#if defined(TOV_FUZZ_REPLAY)
    // Replayed inputs stand alone.
    const bool renew = true;
#else
    const bool renew = fuzz.engine == nullptr || fuzz.inputs >= kInputsPerEngine;
#endif
    if (renew) {
        fuzz.Renew();
        history.Restart();
    }
    history.Add(bytes);
    RunInput(fuzz, bytes, folder.calls);
    return 0;
}
