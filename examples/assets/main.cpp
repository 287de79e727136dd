// make_assets OUT_DIR: writes every asset the demo uses into OUT_DIR.
#include <cstdio>
#include <filesystem>
#include <string>

#include "assets.h"
#include "image.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_assets OUT_DIR\n");
        return 2;
    }
    const std::string out_dir = argv[1];
    std::error_code error;
    std::filesystem::create_directories(out_dir, error);
    if (error) {
        std::fprintf(stderr, "make_assets: cannot create %s: %s\n", out_dir.c_str(),
                     error.message().c_str());
        return 1;
    }

    MakeAssets_core(out_dir);
    // Further makers, in the order of assets.h.
    MakeAssets_transitions(out_dir);
    MakeAssets_text_effects(out_dir);
    MakeAssets_dmd(out_dir);
    MakeAssets_aux_panels(out_dir);
    MakeAssets_gauges(out_dir);
    MakeAssets_sprites(out_dir);
    MakeAssets_captures(out_dir);

    return tov::assets::WriteFailures() == 0 ? 0 : 1;
}
