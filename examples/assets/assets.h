// The makers of the demo's assets. make_assets calls each with the folder the assets go to
// (build/<preset>/examples/assets); a maker writes its files there, with the same relative names
// the demo scripts load them by (the fixed images of the engine under gfx_extern/).
//
// Each area of the demo has its own maker in examples/assets/<name>.cpp, declared here and
// called from main.cpp in the same order as below. image.h offers a picture type, simple
// drawing, a 5 x 7 font and the BMP writer.
#pragma once

#include <string>

// DMD fonts, frame strips, pictures.
void MakeAssets_core(const std::string& out_dir);

// Further makers: add the declaration here and the call in main.cpp.

// Day and night views and a title card for the bitmap transitions.
void MakeAssets_transitions(const std::string& out_dir);

// A spinning coin strip for the frame animation scene.
void MakeAssets_text_effects(const std::string& out_dir);

// The extra panel's backdrop for the DMD scene.
void MakeAssets_dmd(const std::string& out_dir);

// The gem images under gfx_extern/, the watch dial and the LED board background.
void MakeAssets_aux_panels(const std::string& out_dir);

// Pointer dials for the dynamic pictures of the gauge scene.
void MakeAssets_gauges(const std::string& out_dir);

// A ball, a title plate, two card sides and gfx_extern/'s magic stars for the sprite scenes.
void MakeAssets_sprites(const std::string& out_dir);

// A badge on a magenta ground, masked by the capture scene.
void MakeAssets_captures(const std::string& out_dir);
