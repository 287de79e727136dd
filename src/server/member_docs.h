// What every member does, for table authors: one entry per member of the member table, in slot
// order, with the topic it is listed under in docs/members.md and a paragraph in the engine's
// own terms (its parameters, their units and conventions, and the messages it shows). The
// reference is generated from this file together with the member table (tools/tov_docs.cpp),
// so the names, DISPIDs and parameter types are never written twice.
//
// The texts are Markdown: `code` for names, quotes for the engine's own message texts exactly
// as it shows them. A static_assert keeps the entries in step with the table: one per member,
// same order, same name.
//
// Sections: Topic (the sections of the reference); kTopicDocs (what each section's members have
// in common); kMemberDocs (one entry per member, slot order); the check against the table.
#pragma once

#include <array>
#include <string_view>

#include "server/member_table.h"

namespace tov::server {

// The sections of the reference, in the order they appear there.
enum class Topic : unsigned char {
    MainPanel,
    Services,
    BitmapSelection,
    Captures,
    AreaDrawing,
    Dmd,
    ExtraPanel,
    FrameAnimation,
    XyzAnimation,
    ScrollText,
    ZoomText,
    StarAnimation,
    TntCounter,
    Linebox,
    FadeInOut,
    FadeOver,
    Lamella,
    PixelPicture,
    RotatingPicture,
    Wave,
    MagicStar,
    BitmapConstruct,
    SquareFade,
    Gauges,
    Indicators,
    WatchPanel,
    GemPanel,
    LedBoard,
    SimplePanel,
    Highscores,
};
inline constexpr int kTopicCount = 30;

struct TopicDoc {
    std::string_view title;
    std::string_view text;  // what the members of the topic have in common
};

struct MemberDoc {
    std::string_view name;
    Topic topic;
    std::string_view text;
};

// clang-format off
inline constexpr std::array<TopicDoc, kTopicCount> kTopicDocs = {{
    {"Main panel",
     "The main panel is the window everything but the gauges and the auxiliary panels is drawn "
     "on. `InstallPanel` is the first call of every script. Its controls are shared by the "
     "effects: the DMD canvas covers the whole panel; the effect canvas belongs to whichever "
     "transition or frame animation ran last; the text canvas to the ticker or the zoom text. A "
     "hidden control is parked just beyond the panel's right edge; a hidden panel is moved to "
     "the screen x-coordinate 1605."},
    {"Fonts and system services",
     "Services around the display work: a check that a font is installed, a memory report and "
     "the start of another program."},
    {"Bitmap selection",
     "The bitmap selection is the one store of images: 500 slots, numbered 0 to 499. Every "
     "effect names its picture by a slot. Each slot also keeps a frame grid (frame width and "
     "height) by which fonts and film strips are cut into cells, numbered row by row from the "
     "top-left corner, starting at 0."},
    {"Captures",
     "Fill a slot of the bitmap selection with a picture the engine makes itself, or give a "
     "slot's picture a transparent colour. A captured picture is an ordinary slot bitmap "
     "afterwards."},
    {"Area drawing",
     "Paint the DMD layer directly: fill a rectangle, or copy a section of a slot's picture "
     "unscaled or scaled. Each member has a twin for the extra DMD canvas. The DMD renderers "
     "never erase, so scripts clear the area before drawing a new value."},
    {"Dot-matrix display",
     "Numbers and short texts in a bitmap font on the DMD canvas of the main panel, and with the "
     "same settings on the extra DMD canvas. The font is a slot of the bitmap selection: a strip "
     "of equal cells, cut by the slot's frame width and height; only its first row is used. "
     "Cell k shows the character with code 48 + k: cells 0 to 9 are the digits, cell 16 (the "
     "at sign) is drawn for a space and so is left blank in a font, cells 17 to 42 are A to Z "
     "and 49 to 74 are a to z. The top-left quarter of cell 10 is the thousands separator; it "
     "is drawn hanging below the line, starting 5 font pixels before the right edge of the "
     "digit it follows. Glyph k of a line starts at x = `_DMDXPos` + k × frame width × "
     "`_DMDXZoom`, truncated, so rounding never adds up along a line."},
    {"Extra panel",
     "A second panel, placed anywhere on the screen, that carries the gauges, a titled text "
     "line, eight dynamic pictures and its own DMD layer, the extra DMD canvas. It never takes "
     "mouse or keyboard input."},
    {"Frame animation",
     "Plays a film strip of the bitmap selection one frame at a time on the effect canvas. Up "
     "to 500 animations can be described, numbered 0 to 499; one is visible at a time. A number "
     "or slot outside 0 to 499 is refused with a \"fatal error\" message such as "
     "\"CVI-function 'PrepareFrameAnim': argument '_FrameAnimIndex' out of range (must be "
     "0..499)\", and -1."},
    {"XYZ animation",
     "Moves one picture across the main panel along a precomputed path: a straight crossing at "
     "any angle (XY scroll) or a zoom towards the viewer and back (Z zoom). A step only moves "
     "and sizes the XYZ canvas, which shows the picture stretched over a transparent "
     "background."},
    {"Left-loop scroll text (ticker)",
     "A one-line text of up to 2500 characters that runs from the right edge of the main panel "
     "to the left, vertically centred, and starts again at the right edge once its last "
     "character has left. Up to 500 texts can be described, numbered 0 to 499; another number "
     "is refused with \"CVI-function '…': argument '_ScrollTextIndex' out of range (must be "
     "0..499)\" (title \"fatal error\") and -1. The ticker and the zoom text share the text "
     "canvas."},
    {"Zoom text",
     "A text of up to 200 characters that grows from a small to a large font size in the centre "
     "of the main panel and shrinks back over 160 steps, while each colour component may fade "
     "in and out. All font work is done when the text is described; a step only sets the text "
     "canvas's size, colour and place. Up to 500 zoom texts, numbered 0 to 499; another number "
     "is refused with \"CVI-function '…': argument '_ZoomTextIndex' out of range (must be "
     "0..499)\" (title \"fatal error\") and -1."},
    {"Star animation",
     "A star field: 36 white one-pixel stars fly outwards from the centre of the main panel, "
     "each in its own direction and at its own speed, drawn straight onto the DMD canvas. "
     "`InstallPanel` sets the stars up."},
    {"TNT counter text",
     "A number between a fixed text before it and a fixed text after it, for a countdown or a "
     "bonus counter, shown as one line of text on the main panel. The digits are grouped in "
     "threes by a full stop."},
    {"Up-loop scroll linebox (credits)",
     "A block of text lines that rolls upwards over the main panel like closing credits and "
     "starts again at the bottom once its last line has left the top edge."},
    {"Fade in/out",
     "Shows one picture of the bitmap selection on the effect canvas at a brightness from 0 to "
     "100 chosen on every call: rising values fade it in from black, falling values fade it out. "
     "Pictures of up to 125,000 pixels."},
    {"Fade over",
     "Cross-fades between two pictures of the same size on the effect canvas, by an intensity "
     "from 0 (the first) to 100 (the second) chosen on every call."},
    {"Lamella",
     "Makes a picture appear or disappear like a venetian blind: parallel strips at a fixed "
     "distance grow thicker with every step until they touch."},
    {"Pixel picture",
     "Makes a picture appear or vanish pixel by pixel in a scattered order (a dissolve) over "
     "100 steps, on the effect canvas."},
    {"Rotating picture",
     "Turns a card with a front and a back picture once around a horizontal or vertical axis, "
     "in 320 steps, by scaling the XYZ canvas. `HideXYZAnim` takes it off the panel."},
    {"Wave",
     "Makes a horizontal band of a picture's rows swing sideways along a sine wave that travels "
     "up the picture, on the effect canvas."},
    {"Magic star",
     "Four coloured star pictures sparkle on the main panel: each grows and shrinks between its "
     "sizes and jumps to a new random place whenever it has shrunk to its smallest."},
    {"Bitmap construct",
     "Builds a picture up on the effect canvas, or takes it down to black, in one of twelve "
     "geometric styles, one step per call, until `BitmapConstructState` reads 1."},
    {"Square fade",
     "Divides a picture into square cells that appear as growing squares (fade in) or vanish "
     "behind closing black frames (fade out), drawn straight onto the DMD canvas; each cell has "
     "a counter of its own, so cells can start at different steps."},
    {"Gauges",
     "Seven gauges on the extra panel: tank, thermometer, multimeter with its warning LED, "
     "clock, slide, level thermometer and mission value. Each has a Set…Attr member to place and "
     "style it, a value member and a visibility member. In the Set…Attr members -2 as a number "
     "and the empty string leave that property as it is, so a gauge styled once can be moved "
     "later with -2 for everything else. The visibility members hide the gauge for 0 and show "
     "it for any other value. None checks that the extra panel is installed; before "
     "`InstallExtraPanel` the calls change nothing and still return 0."},
    {"Square LEDs, chart and dynamic pictures",
     "Five square LEDs with a centred title and a strip chart on the extra panel, and dynamic "
     "pictures that show one of a list of loaded images: three on the main panel (`_DynPicPanel` "
     "0, numbers 0 to 2) and eight on the extra panel (`_DynPicPanel` 1, numbers 0 to 7)."},
    {"Watch panel",
     "A small window of its own with an analogue watch: a dial picture with hour, minute and "
     "second hands drawn from a centre point. It never takes mouse or keyboard input."},
    {"Gem panel",
     "A small frameless window that shows one of four gem pictures, for example the phase of a "
     "bonus."},
    {"LED board panel",
     "A small window of its own with a background picture and twelve lamps, numbered 1 to 12, "
     "each with a caption."},
    {"Simple panels",
     "Up to eight small windows, numbered 0 to 7 by `_SimplePanelNumber`, each with one canvas "
     "that fills it: a dot-matrix display of its own with its own settings, using the font "
     "layout of the main DMD. Another panel number is refused with \"CVI-function '…': "
     "argument '_SimplePanelNumber' out of range (must be 0..7)\" (title \"fatal error\") and "
     "-1."},
    {"High scores",
     "A table of 100 entries (0 to 99), each a score and three texts of up to 25 characters: a "
     "name and two free texts. The engine never draws it: the script reads entries and shows "
     "them with the display members. These members need no panel."},
}};

inline constexpr std::array<MemberDoc, kMemberCount> kMemberDocs = {{
    {"ShowStarAnimNextStep", Topic::StarAnimation,
     "Erases the stars where they are (in the colour of `ChangePanelColor`), moves each one "
     "step further from the centre, faster the further it has flown, and draws it in white; a "
     "star that leaves the panel starts again at the centre. Call it once per tick. It draws "
     "over whatever the DMD canvas shows."},
    {"HideStarAnim", Topic::StarAnimation,
     "Takes the DMD canvas off the panel (parks it beyond the right edge), and with it the stars "
     "and everything else drawn on the DMD canvas."},
    {"GenerateXYZAnimXYScrollProc", Topic::XyzAnimation,
     "Describes animation `_XYZAnimIndex` (0 to 499) as a straight crossing of the whole panel "
     "by the picture in slot `_XYZAnimBitmapIDIndex`, scaled by `_XYZAnimXYZoom`, in the "
     "direction `_XYZAnimXYAngle` in degrees (0 to below 360; 0 runs left to right, 90 bottom "
     "to top). It fills steps 0 to 158: at step 0 the picture lies just outside the edge it "
     "enters by, at step 79 it is centred, at step 158 it has left by the opposite edge. "
     "Nothing is drawn. An animation number or slot outside 0 to 499 is refused with a \"fatal "
     "error\" naming the argument, and -1."},
    {"InstallPanel", Topic::MainPanel,
     "The first call of every script. Records the current folder as the base of every relative "
     "file name, empties the bitmap selection, loads the main panel and places it with its "
     "top-left corner at (`_PanelXPos`, `_PanelYPos`) on the screen, `_PanelWidth` × "
     "`_PanelHeight` pixels large, parks the effect controls beyond its right edge, stretches "
     "the DMD canvas over the whole panel on a black background and sets up the star field and "
     "the pixel dissolve. Calling it again loads a new panel and empties the selection again. "
     "Returns 0."},
    {"GenerateXYZAnimZoomProc", Topic::XyzAnimation,
     "Describes animation `_XYZAnimIndex` (0 to 499) as a zoom of the picture in slot "
     "`_XYZAnimBitmapIndex`: over steps 0 to 79 its scale grows from `_XYZAnimZZoomMin` to "
     "`_XYZAnimZZoomMin` + `_XYZAnimZZoomMax` along the curve (step / 79) to the power "
     "`_XYZAnimZZoomExponent`, and over steps 80 to 159 it shrinks back. Its centre drifts from "
     "the panel centre in the direction `_XYZAnimXYAngle` (degrees), the further the larger it "
     "is, by up to `_XYZAnimYZMove` pixels at the scale `_XYZAnimZZoomMax` (none when it is 0). "
     "Nothing is drawn. An animation number or slot outside 0 to 499 is refused with a \"fatal "
     "error\" naming the argument, and -1."},
    {"PrepareXYZAnimProc", Topic::XyzAnimation,
     "Gives the picture of animation `_XYZAnimIndex` to the XYZ canvas. The canvas stays where "
     "it is until the first `ShowXYZAnimStep`."},
    {"ShowXYZAnimStep", Topic::XyzAnimation,
     "Moves and sizes the XYZ canvas for step `_XYZAnimStep` of animation `_XYZAnimIndex` (0 "
     "to 158 for an XY scroll, 0 to 159 for a zoom). No pixel is drawn. A step outside 0 to 159 "
     "is refused with \"CVI-function 'ShowXYZAnimStep': argument '_XYZAnimStep' out of range "
     "(must be 0..159)\" (title \"fatal error\") and -1; an animation number outside 0 to 499 "
     "likewise, naming '_XYZAnimIndex'."},
    {"HideXYZAnim", Topic::XyzAnimation,
     "Parks the XYZ canvas beyond the right edge of the main panel. It also ends a rotating "
     "picture, which uses the same canvas."},
    {"GenerateTextLeftLoopScrollProc", Topic::ScrollText,
     "Describes ticker `_ScrollTextIndex` (0 to 499): the text `_ScrollText` in the font "
     "`_ScrollTextFontName` (a face name), `_ScrollTextFontHeight` pixels high, bold when "
     "`_ScrollTextBold` is 1, italic when `_ScrollTextItalic` is 1, in the colour "
     "`_ScrollTextColor` (0xRRGGBB), moving `_ScrollTextSpeed` pixels per step. The text is "
     "measured once here; nothing is shown. A text longer than 2500 characters is refused with "
     "\"CVI-function 'GenerateTextLeftLoopScrollProc': string '_ScrollText' too long (max. "
     "2500 characters)\" (title \"fatal error\") and -1; the earlier description of that number "
     "stays."},
    {"PrepareTextLeftLoopScrollProc", Topic::ScrollText,
     "Puts ticker `_ScrollTextIndex` on the text canvas with its font, size, colour and text, "
     "vertically centred on the main panel and waiting just beyond its right edge."},
    {"ShowTextLeftLoopScrollNextStep", Topic::ScrollText,
     "Moves the ticker one step (its speed in pixels) to the left; once the end of the text has "
     "passed the left edge it starts again just beyond the right edge. Call it once per tick "
     "with the number last prepared: the number selects the speed and width, the position is "
     "shared."},
    {"ChangeTextLeftLoopColor", Topic::ScrollText,
     "Recolours the text on the text canvas at once to `_TextLeftLoopColor` (0xRRGGBB), while "
     "it runs."},
    {"GenerateTextZoomProc", Topic::ZoomText,
     "Describes zoom text `_ZoomTextIndex` (0 to 499): `_ZoomText` in the font "
     "`_ZoomTextFontType`, bold when `_ZoomTextBold` is 1, italic when `_ZoomTextItalic` is 1, "
     "growing from size `_ZoomTextFontMin` + 1 at step 0 to about `_ZoomTextFontMax` at steps "
     "79 and 80 and back at step 159. `_ZoomTextColor` is the colour at the largest size; "
     "`_ZoomTextColorBlend` holds a flag per colour component (0x100 red, 0x010 green, 0x001 "
     "blue) that makes that component fade from zero at the smallest size to full at the "
     "largest: 0x111 fades the whole colour, 0 keeps it. A text longer than 200 characters is "
     "refused with \"CVI-function 'GenerateTextZoomProc': string '_ZoomText' too long (max. 200 "
     "characters)\" (title \"fatal error\") and -1."},
    {"PrepareTextZoomProc", Topic::ZoomText,
     "Puts zoom text `_ZoomTextIndex` on the text canvas with its font, bold, italic and text. "
     "It shows with the first `ShowTextZoomStep`."},
    {"ShowTextZoomStep", Topic::ZoomText,
     "Shows step `_ZommTextStep` (0 to 159) of zoom text `_ZoomTextIndex`: sets the text "
     "canvas's size, width, colour and place so that the text is centred on the main panel. "
     "Call it with rising steps, one per tick. A step outside 0 to 159 is refused with "
     "\"CVI-function 'ShowTextZoomStep': argument '_ZommTextStep' out of range (must be "
     "0..159)\" (title \"fatal error\") and -1."},
    {"HideText", Topic::ScrollText,
     "Parks the text canvas beyond the right edge of the main panel, ending a ticker or a zoom "
     "text. The descriptions stay."},
    {"AddBitmapToSelection", Topic::BitmapSelection,
     "Loads the bitmap file `_BitmapFileName` (relative to the folder current at "
     "`InstallPanel`; a backslash counts as a separator) into slot `_BitmapSelectionIndex` (0 to "
     "499), discarding what the slot held, and records its frame grid: frames of "
     "`_BitmapFrameWidth` × `_BitmapFrameHeight` pixels, numbered row by row from the top-left. "
     "For a single picture give its own size. A slot outside 0 to 499 is refused with "
     "\"CVI-function 'AddBitmapToSelection': argument '_BitmapSelectionIndex' out of range out "
     "of range (must be 0..499)\" (the words come twice); a file that cannot be read with \"CVI-function "
     "'AddBitmapToSelection': File '…': …\" naming the full path and the reason, and the slot "
     "is then empty; both under \"fatal error\", with -1. A frame width of 0 keeps the picture "
     "but warns with \"CVI-function 'AddBitmapToSelection': argument '_BitmapFrameWidth' is "
     "zero\" (title \"warning\") and returns -1; the slot has no frames to cut then."},
    {"CopyBitmapFromPanelToSelection", Topic::Captures,
     "Captures the rectangle of the main panel with its top-left corner at (`_XPos`, `_YPos`), "
     "`_Width` × `_Height` pixels, as it shows on the screen with all its controls, into slot "
     "`_BitmapSelectionIndex`. A slot outside 0 to 499 is refused with \"CVI-function "
     "'CopyBitmapFromPanelToSelection': argument '_BitmapSelectionIndex' out of range (must be "
     "0..499)\" (title \"fatal error\") and -1; a capture that fails names the reason and leaves "
     "the slot empty."},
    {"GenerateFrameAnim", Topic::FrameAnimation,
     "Describes frame animation `_FrameAnimIndex` (0 to 499): frames are cut from the film "
     "strip in slot `_FrameAnimBitmapIDIndex` by the slot's frame grid and shown on an effect "
     "canvas of `_FrameAnimCanvasWidth` × `_FrameAnimCanvasHeight` pixels whose top-left corner "
     "is at (`_FrameAnimCanvasXPos`, `_FrameAnimCanvasYPos`) on the main panel. A frame larger "
     "than the canvas is cut off. Nothing is drawn."},
    {"PrepareFrameAnim", Topic::FrameAnimation,
     "Sizes the effect canvas for animation `_FrameAnimIndex` and parks it beyond the right "
     "edge; it comes into view with the first `ShowFrameAnimFrame`."},
    {"ShowFrameAnimFrame", Topic::FrameAnimation,
     "Places the effect canvas at the position of animation `_FrameAnimIndex` and draws frame "
     "`_FrameAnimFrameNumber` (counted from 0, row by row through the strip) unscaled at its "
     "top-left corner. Call it once per tick with the frame to show. A slot that holds no frames "
     "(empty, or loaded with a frame width of 0) is refused with \"CVI-function "
     "'ShowFrameAnimFrame': the bitmap of selection slot … holds no frames\" (title \"fatal "
     "error\") and -1."},
    {"HideFrameAnim", Topic::FrameAnimation,
     "Parks the effect canvas beyond the right edge of the main panel. It also takes away a "
     "lamella, pixel picture, fade, wave or bitmap construct, which use the same canvas."},
    {"ScreenWidth", Topic::MainPanel,
     "The width of the screen in pixels. In a headless run of `tov-play` it is the width given "
     "by `--screen`."},
    {"ScreenHeight", Topic::MainPanel,
     "The height of the screen in pixels. In a headless run of `tov-play` it is the height "
     "given by `--screen`."},
    {"SetTNTAttr", Topic::TntCounter,
     "Sets up the counter text: `_TNTPreText` and `_TNTPostText` (up to 75 characters each) "
     "around the number, in the font `_TNTFontType`, `_TNTFontHeight` pixels high, bold when "
     "`_TNTBold` is 1, italic when `_TNTItalic` is 1, colour `_TNTColor`, with its top-left "
     "corner at (`_TNTXPos`, `_TNTYPos`); -1 centres it horizontally or vertically on the main "
     "panel. `_TNTDigits` is the number of digits shown, 1 to 10, grouped in threes by a full "
     "stop and padded with zeros (3 shows 000, 4 shows 0.000); -1 shows up to ten digits, 0 no "
     "number. The text is parked until the first `ShowTNT`. Texts too long are refused with "
     "\"CVI-function 'SetTNTAttr': string(s) '_TNTPreText' and/or '_TNTPostText' too long "
     "(max. 75 characters)\", a digit count outside -1 to 10 with \"CVI-function 'SetTNTAttr': "
     "'_TNTDigits' out of range (must be -1..10)\", both under \"fatal error\" with -1."},
    {"ShowTNT", Topic::TntCounter,
     "Shows the counter text with the number `_TNTValue` at its place. Digits above the "
     "digit count are dropped (with 3 digits, 12345 shows 345)."},
    {"ChangeTNTColor", Topic::TntCounter,
     "Recolours the counter text at once to `_TNTColor` (0xRRGGBB)."},
    {"HideTNT", Topic::TntCounter,
     "Parks the counter text beyond the right edge of the main panel. `ShowTNT` brings it "
     "back."},
    {"SetDMDAttr", Topic::Dmd,
     "Describes the dot-matrix display for all DMD renderers of the main and the extra panel: "
     "the left edge `_DMDXPos` and top edge `_DMDYPos` on the canvas in pixels, the scale "
     "factors `_DMDXZoom` and `_DMDYZoom` from font pixels to canvas pixels, the font slot "
     "`_DMDBitmapIDIndex` (its frame width and height are the cell size), leading zeros in "
     "`ShowDMDNumeric` when `_DMDZeros` is not 0, and thousands separators when `_DMDCommas` is "
     "1. Nothing is checked or drawn; the settings stay until the next call."},
    {"ShowDMDNumeric", Topic::Dmd,
     "Draws `_DMDNumericValue`, rounded to a whole number, right-aligned in a field of ten "
     "digit positions starting at the display's left edge, with leading zeros if set and a "
     "separator before the last 3, 6 and 9 digits if set. It draws over what is there and never "
     "erases: clear the area first with `ClearArea` when the new value may be shorter. A value "
     "below 0 or above 9999999999 is refused with \"CVI-function 'ShowDMDNumeric': argument "
     "'_DMDNumericValue' out of range (must be 0..9999999999)\" (title \"fatal error\") and -1."},
    {"ShowDMDValue", Topic::Dmd,
     "Draws `_DMDNumericValue`, rounded to a whole number, left-aligned from the display's left "
     "edge with as many digits as it needs, never with leading zeros, with separators if set "
     "(1234567 shows 1,234,567). It never erases. A value above 9999999999 is refused with "
     "\"CVI-function 'ShowDMDValue': argument '_DMDNumericValue' overflow error (value > "
     "9.999.999.999)\", a negative one with \"CVI-function 'ShowDMDValue': argument "
     "'_DMDNumericValue' out of range (must be 0..9999999999)\" (title \"fatal error\"), "
     "and -1."},
    {"ShowDMDText", Topic::Dmd,
     "Draws `_DMDText`, up to 127 characters, left-aligned from the display's left edge, one "
     "font cell per character (a space draws cell 16). Characters the font has no cell for "
     "draw nothing. It never erases; an empty text draws nothing."},
    {"DrawArea", Topic::AreaDrawing,
     "Copies the section of slot `_BitmapIDIndex` with its top-left corner at "
     "(`_BitmapSectionXPos`, `_BitmapSectionYPos`), `_BitmapSectionWidth` × "
     "`_BitmapSectionHeight` pixels, unscaled onto the DMD canvas with its top-left corner at "
     "(`_AreaXPos`, `_AreaYPos`). Pixels the picture's mask leaves out are not drawn. Nothing is "
     "checked; what lies outside clips."},
    {"ClearArea", Topic::AreaDrawing,
     "Fills the rectangle of the DMD canvas with its top-left corner at (`_AreaXPos`, "
     "`_AreaYPos`), `_AreaWidth` × `_AreaHeight` pixels, with `_Color` (0xRRGGBB). Scripts use "
     "it to erase a display before drawing a new value."},
    {"SetLamellaAttr", Topic::Lamella,
     "Sets up a lamella transition of slot `_LamellaBitmapIDIndex`, scaled by `_LamellaXZoom` "
     "and `_LamellaYZoom`, with its top-left corner at (`_LamellaXPos`, `_LamellaYPos`) (-1 "
     "centres it), strips every `_LamellaDistance` picture pixels, growing in the direction "
     "`_LamellaAngle`: 0, 90, 180 or 270 degrees. `_LamellaFadeInOut` 1 starts from black and "
     "builds the picture up; any other value shows it whole and blacks it out. Another angle is "
     "refused with \"CVI-function 'SetLamellaAttr': argument '_LamellaAngle' out of range (must "
     "be 0, 90, 180 or 270)\" (title \"fatal error\") and -1."},
    {"ShowLamellaStep", Topic::Lamella,
     "Draws every strip `_LamellaThickness` picture pixels thick. Call it with 1, 2, 3 … up to "
     "the lamella distance, when the strips touch."},
    {"SetPixelPicAttr", Topic::PixelPicture,
     "Sets up a dissolve of slot `_PixelPicBitmapIDIndex`, scaled by `_PixelPicXZoom` and "
     "`_PixelPicYZoom`, with its top-left corner at (`_PixelPicXPos`, `_PixelPicYPos`) (-1 "
     "centres it). `_PixelPicFadeInOut` 1 starts from black and lets the picture appear; 0 shows "
     "it and lets it vanish to black."},
    {"ShowPixelPicStep", Topic::PixelPicture,
     "Draws step `_PixelPicStep` (0 to 99) of the dissolve; after step 99 every pixel is done. "
     "Call the steps once each in rising order. A step outside 0 to 99 is refused with "
     "\"CVI-function 'DrawPixelPicStep': argument 'PixelPicStep' out of range (must be 0..99)\" "
     "(title \"fatal error\") and -1."},
    {"SetRotatingPicAttr", Topic::RotatingPicture,
     "Sets up a turn of a card with the front picture in slot `_RotatingPicFrontBitmapIDIndex` "
     "and the back picture in slot `_RotatingPicBackBitmapIDIndex`, scaled by "
     "`_RotatingPicXZoom` and `_RotatingPicYZoom`, around the centre (`_RotatingPicXCenterPos`, "
     "`_RotatingPicYCenterPos`) on the main panel (-1 is the panel's centre). "
     "`_RotatingPicRotationAxis` 0 turns it around the horizontal axis (the height shrinks and "
     "grows), 1 around the vertical axis (the width does). Nothing is drawn."},
    {"ShowRotatingPicStep", Topic::RotatingPicture,
     "Shows step `_RotatingPicStep` (0 to 319): steps 0 to 159 show the front picture growing "
     "from a thin line to full size and shrinking back, steps 160 to 319 the back picture. A "
     "step outside 0 to 319 is refused with \"CVI-function 'ShowRotatingPicStep': argument "
     "'PixelPicStep' out of range (must be 0..319)\" (title \"fatal error\") and -1."},
    {"DiscardPanel", Topic::MainPanel,
     "Removes the main panel. Members that draw on it afterwards change nothing until the next "
     "`InstallPanel`."},
    {"SetBitmapFadeInOutAttr", Topic::FadeInOut,
     "Sets up a fade of slot `_BitmapFadeInOutBitmapIDIndex`, scaled by "
     "`_BitmapFadeInOutXZoom` and `_BitmapFadeInOutYZoom`, with its top-left corner at "
     "(`_BitmapFadeInOutXPos`, `_BitmapFadeInOutYPos`) (-1 centres it) on the effect canvas. "
     "Nothing is shown until the first brightness. A picture of more than 125,000 pixels is "
     "refused with \"CVI-function 'SetBitmapFadeInOutAttr': selected bitmap too big\" (title "
     "\"fatal error\") and -1; so are an empty slot (\"… selected bitmap slot empty\") and "
     "a slot outside 0 to 499."},
    {"ChangeBitmapFadeInOutBrightness", Topic::FadeInOut,
     "Draws the picture at `_BitmapFadeInOutBrightness` percent of its brightness, 0 (black) to "
     "100 (as it is). Every call draws from the original, so the values may come in any order. "
     "A value outside 0 to 100 is refused with \"CVI-function "
     "'ChangeBitmapFadeInOutBrightness': argument '_BitmapFadeInOutBrightness' out of range "
     "(must be 0..100)\" (title \"fatal error\") and -1."},
    {"InstallExtraPanel", Topic::ExtraPanel,
     "Loads the extra panel and places it with its top-left corner at (`_ExtraPanelXPos`, "
     "`_ExtraPanelYPos`) on the screen, `_ExtraPanelWidth` × `_ExtraPanelHeight` pixels, with a "
     "frame and an extra DMD canvas that covers it on black. The panel takes no mouse or "
     "keyboard input."},
    {"ShowExtraPanel", Topic::ExtraPanel,
     "Moves the extra panel back to the left edge given to `InstallExtraPanel`."},
    {"HideExtraPanel", Topic::ExtraPanel,
     "Moves the extra panel out of sight, to the screen x-coordinate 1605."},
    {"SetTankAttr", Topic::Gauges,
     "Places the tank with its top-left corner at (`_TankXPos`, `_TankYPos`), `_TankWidth` × "
     "`_TankHeight` pixels, with the scale from `_TankMinValue` to `_TankMaxValue`, scale "
     "texts in the font `_TankTextFontFype` at size `_TankTextFontSize`, and the colours of the "
     "empty part, the fill and the scale. -2 and the empty string keep a property."},
    {"SetTankVisibility", Topic::Gauges,
     "Hides the tank for `_TankVisibility` 0 and shows it for any other value."},
    {"SetTankValue", Topic::Gauges,
     "Sets the tank's fill to `_TankValue`, in the units of its scale."},
    {"SetMissionValueAttr", Topic::Gauges,
     "Places the mission value with its left edge at `_MissionValueXPos` (-1 centres it on the "
     "extra panel) and top edge `_MissionValueYPos`, `_MissionValueWidth` pixels wide, with the "
     "title `_MissionValueTitle` just above it, in the font `_MissionValueFontType` at size "
     "`_MissionValueFontSize` (the title at two thirds of it), text and title in "
     "`_MissionValueFrontColor` on `_MissionValueBackColor`. -2 and the empty string keep a "
     "property."},
    {"SetMissionValueVisibility", Topic::Gauges,
     "Hides the mission value for `_MissionValueVisibility` 0 and shows it for any other "
     "value."},
    {"SetMissionValue", Topic::Gauges,
     "Shows `_Value` as three groups of digits joined by full stops: 0 shows 00.000.000, "
     "1234567 shows 01.234.567; digits from the billions up are dropped."},
    {"SetThermometerAttr", Topic::Gauges,
     "Places the thermometer with its top-left corner at (`_ThermometerXPos`, "
     "`_ThermometerYPos`), `_ThermometerWidth` × `_ThermometerHeight` pixels, scale from "
     "`_ThermometerMinValue` to `_ThermometerMaxValue`, scale texts in "
     "`_ThermometerTextFontType` at size `_ThermometerTextFontSize`, the title "
     "`_ThermometerTitle` centred above it, and the colours of the empty part, the fill and the "
     "scale. -2 and the empty string keep a property."},
    {"SetThermometerVisibility", Topic::Gauges,
     "Hides the thermometer for `_ThermometerVisibility` 0 and shows it for any other value."},
    {"SetThermometerValue", Topic::Gauges,
     "Sets the thermometer's level to `_ThermometerValue`, in the units of its scale."},
    {"SetMultimeterAttr", Topic::Gauges,
     "Places the multimeter (a dial with a needle) with its top-left corner at "
     "(`_MultimeterXPos`, `_MultimeterYPos`), `_MultimeterWidth` pixels wide, scale from "
     "`_MultimeterMinValue` to `_MultimeterMaxValue`, scale texts in `_MultimeterTextFontType` "
     "at size `_MultimeterTextFontSize`, and the colours of the back, the bow, the scale and the "
     "needle. `_MultimeterWarningValue` other than -1 places the warning LED on the dial, lit "
     "in `_MultimeterColorLEDOn` while the value is at or below the warning value and in "
     "`_MultimeterColorLEDOff` above it; -1 leaves the LED alone. -2 and the empty string keep a "
     "property."},
    {"SetMultimeterVisibility", Topic::Gauges,
     "Hides the multimeter for `_MultimeterVisibility` 0 and shows it for any other value. The "
     "warning LED shows only for the value 1 and when a warning value is set."},
    {"SetMultimeterValue", Topic::Gauges,
     "Turns the needle to `_MultimeterValue` and, when a warning value is set, lights the "
     "warning LED while the value is at or below it."},
    {"DiscardExtraPanel", Topic::ExtraPanel,
     "Removes the extra panel with its gauges. Members that draw on it afterwards change "
     "nothing until the next `InstallExtraPanel`."},
    {"SetClockAttr", Topic::Gauges,
     "Places the clock, a round gauge with a needle, with its top-left corner at (`_ClockXPos`, "
     "`_ClockYPos`), `_ClockDiameter` pixels across, scale from `_ClockMinValue` to "
     "`_CockMaxValue` spread from the angle `_ClockMinAngle` to `_ClockMaxAngle` (degrees), "
     "scale texts in `_ClockScaleFontType` at size `_ClockScaleFontSize`, and the colours of "
     "the needle, the fill and the scale. `_ClockBackColor` other than -2 paints a disc in that "
     "colour under the face. -2 and the empty string keep a property."},
    {"SetClockVisibility", Topic::Gauges,
     "Hides the clock and its disc for `_ClockVisibility` 0 and shows them for any other "
     "value."},
    {"SetClockValue", Topic::Gauges,
     "Turns the clock's needle to `_ClockValue`, in the units of its scale."},
    {"CopyBitmapFromDMDLayerToSelection", Topic::Captures,
     "Captures the whole content of the DMD canvas, without the controls lying over it, into "
     "slot `_BitmapSelectionIndex`. A slot outside 0 to 499 is refused with \"CVI-function "
     "'CopyBitmapFromDMDLayerToSelection': argument '_BitmapSelectionIndex' out of range (must "
     "be 0..499)\" (title \"fatal error\") and -1."},
    {"SetWaveAttr", Topic::Wave,
     "Sets up a wave on the picture in slot `_WaveBitmapIDIndex`, scaled by `_WaveXZoom` and "
     "`_WaveYZoom`, with its top-left corner at (`_WaveXPos`, `_WaveYPos`) (-1 centres it): the "
     "rows from `_WaveYStart` up to `_WaveYEnd` swing sideways by up to `_WaveAmplitude` "
     "picture pixels along a wave `_WaveLength` rows long; the rows above and below stay still "
     "and are drawn now."},
    {"ShowNextWaveStep", Topic::Wave,
     "Redraws the swinging band with the wave moved one row up. Call it once per tick."},
    {"ChangeWaveAmplitude", Topic::Wave,
     "Adds `_WaveDeltaAmplitude` (negative to calm it) to the swing; the wave keeps its centre "
     "line."},
    {"SetPanelFrameVisibility", Topic::MainPanel,
     "Shows the main panel's frame (its title bar and border) for `_PanelFrameVisibility` 1 and "
     "hides it for any other value."},
    {"InstallWatchPanel", Topic::WatchPanel,
     "Opens the watch panel with its top-left corner at (`_WatchPanelXPos`, `_WatchPanelYPos`) "
     "on the screen, `_WatchPanelWidth` × `_WatchPanelHeight` pixels, framed when "
     "`_WatchPanelFrameVisibility` is 1, with the dial picture `_WatchBitmapFileName` "
     "(relative to the table's folder) stretched over it. The hands turn around "
     "(`_WatchHandXCenter`, `_WatchHandYCenter`) with the lengths `_WatchHrsHandLength`, "
     "`_WatchMinHandLength` and `_WatchSecHandLength` (0 leaves a hand out), the colours "
     "`_WatchHrsMinHandColor` and `_WatchSecHandColor` and the line widths "
     "`_WatchHrsMinHandWidth` and `_WatchSecHandWidth`. A picture that cannot be loaded is "
     "reported with \"private CVI-function 'InstallWatchPanel': file '…': …\" naming the path "
     "and the reason (title \"fatal error\"), and -1."},
    {"SetWatchTime", Topic::WatchPanel,
     "Repaints the dial and draws the hands for `_hour`:`_minutes`:`_seconds`; the hour hand "
     "moves on with the minutes. Values are not checked."},
    {"DiscardWatchPanel", Topic::WatchPanel, "Removes the watch panel."},
    {"InstallGemPanel", Topic::GemPanel,
     "Opens the gem panel with its top-left corner at (`_GemPanelXPos`, `_GemPanelYPos`), "
     "`_GemPanelWidth` × `_GemPanelHeight` pixels, without a frame, with the four pictures "
     "gfx_extern\\Schmuckstein0.bmp to gfx_extern\\Schmuckstein3.bmp from the table's folder "
     "stretched over it. A picture that is missing is reported with \"private CVI-function "
     "'InstallGemPanel': file '…' not found\" (title \"warning\"); the panel opens anyway."},
    {"SetGemPhase", Topic::GemPanel,
     "Shows gem picture `_GemPhase`, 0 to 3. Other phases change nothing."},
    {"DiscardGemPanel", Topic::GemPanel, "Removes the gem panel."},
    {"ShowNextMagicStarStep", Topic::MagicStar,
     "Advances the four stars by one step: each grows or shrinks by its step, and a star that "
     "has shrunk to its smallest size jumps to a new random place. Call it once per tick."},
    {"SetMagicStarAttr", Topic::MagicStar,
     "Loads the four star pictures gfx_extern\\MagicStarYellow.bmp, "
     "gfx_extern\\MagicStarGreen.bmp, gfx_extern\\MagicStarLilac.bmp and "
     "gfx_extern\\MagicStarRed.bmp from the table's folder and gives star k (0 to 3) its "
     "smallest size `_MagicStarXYDimMin`k, its largest `_MagicStarXYDimMax`k and its growth per "
     "step `_MagicStarXYDelta`k, in pixels, and a random place. A picture that cannot be loaded "
     "is reported with \"private CVI-function 'SetMagicStarAttr': file '…' not found\" (title "
     "\"warning\"); the other stars still work."},
    {"SetLevelThermometerVisibility", Topic::Gauges,
     "Hides the level thermometer for `_LevelThermometerVisibility` 0 and shows it for any "
     "other value."},
    {"SetLevelThermometerAttr", Topic::Gauges,
     "Places the level thermometer with its top-left corner at (`_LevelThermometerXPos`, "
     "`_LevelThermometerYPos`), `_LevelThermometerWidth` × `_LevelThermometerHeight` pixels, "
     "scale texts in `_LevelThermometerTextFontType` at size `_LevelThermometerFontSize`, the "
     "title `_LevelThermometerTitle`, and the colours of the empty part, the fill and the scale. "
     "Its scale is the list of level texts. -2 and the empty string keep a property."},
    {"SetLevelThermometerLevel", Topic::Gauges,
     "Fills the level thermometer up to level `_LevelThermometerLevel`, a level set with "
     "`SetLevelThermometerLevelText`."},
    {"InstallBHGPanel", Topic::LedBoard,
     "Opens the LED board with its top-left corner at (`_BHGPanelXPos`, `_BHGPanelYPos`), "
     "`_BHGPanelWidth` × `_BHGPanelHeight` pixels, with the picture `_BHGBitmapFileName` "
     "(relative to the table's folder) as its background. A picture that cannot be loaded is "
     "reported with \"private CVI-function 'InstallBHGPanel': file '…': …\" naming the path "
     "and the reason (title \"fatal error\"), and -1."},
    {"DiscardBHGPanel", Topic::LedBoard, "Removes the LED board panel."},
    {"SwitchBHGLED", Topic::LedBoard,
     "Switches lamp `_BHGLEDIndex` (1 to 12) on for `_BHGLEDState` 1 and off for 0. Other lamp "
     "numbers change nothing."},
    {"SetBHGLEDAttr", Topic::LedBoard,
     "Places lamp `_BHGLEDIndex` (1 to 12) with its top-left corner at (`_BHGLEDXPos`, "
     "`_BHGLEDYPos`), `_BHGLEDDiameter` pixels across, and its caption at (`_BHGLEDTextXPos`, "
     "`_BHGLEDTextYPos`) in size `_BHGLEDTextFontSize`, all in panel pixels. Other lamp numbers "
     "change nothing."},
    {"CheckFont", Topic::Services,
     "Checks that the font face `thisFont` is installed (exact name, letter case counts). When "
     "it is not, shows \"Font '…' obviously not installed! It is not recommendable to play "
     "the flipper in these circumstances!\" under the title \"warning\". Returns 0 either way; a "
     "missing face falls back to a default one wherever it is used."},
    {"InstallSimplePanel", Topic::SimplePanel,
     "Opens simple panel `_SimplePanelNumber` (0 to 7) with its top-left corner at "
     "(`_SimplePanelXPos`, `_SimplePanelYPos`) on the screen, `_SimplePanelWidth` × "
     "`_SimplePanelHeight` pixels, framed when `_SimplePanelFrameYN` is 1, with a black canvas "
     "that fills it. Like `InstallPanel` it records the current folder as the base of relative "
     "file names."},
    {"DiscardSimplePanel", Topic::SimplePanel,
     "Removes simple panel `_SimplePanelNumber`."},
    {"SetSimplePanelDMDAttr", Topic::SimplePanel,
     "Describes the display of simple panel `_SimplePanelNumber`, as `SetDMDAttr` does for the "
     "main DMD: left edge `_SimplePanelDMDXPos`, top edge `_SimplePanelDMDYPos`, scale "
     "factors `_SimplePanelDMDXZoom` and `_SimplePanelDMDYZoom`, font slot "
     "`_SimplePanelDMDBitmapIDIndex`, leading zeros when `_SimplePanelDMDZerosYN` is not 0 and "
     "separators when `_SimplePanelDMDCommasYN` is 1."},
    {"ShowSimplePanelDMDNumeric", Topic::SimplePanel,
     "Draws `_SimplePanelDMDValue` on simple panel `_SimplePanelNumber` as `ShowDMDNumeric` "
     "does on the main DMD. A value below 0 or above 9999999999 is refused with \"CVI-function "
     "'ShowSimplePanelDMDNumeric': argument '_SimplePanelDMDValue' out of range (must be "
     "0..9999999999)\" (title \"fatal error\") and -1."},
    {"SimplePanelClearArea", Topic::SimplePanel,
     "Fills a rectangle of simple panel `_SimplePanelNumber` with `_Color`, as `ClearArea` "
     "does on the DMD canvas: top-left corner (`_SimplePanelAreaXPos`, "
     "`_SimplePanelAreaYPos`), size `_SimplePanelAreaWidth` × `_SimplePanelAreaHeight`."},
    {"SimplePanelDrawArea", Topic::SimplePanel,
     "Copies a section of slot `_BitmapIDIndex` unscaled onto simple panel "
     "`_SimplePanelNumber`, as `DrawArea` does on the DMD canvas, with its top-left corner at "
     "(`_SimplePanelAreaXPos`, `_SimplePanelAreaYPos`)."},
    {"ChangePanelColor", Topic::MainPanel,
     "Sets the background colour of the DMD canvas to `_Color` (0xRRGGBB); it shows where the "
     "canvas is cleared later, and the star field erases in it. A colour other than black also "
     "brings the DMD canvas in front of every other control of the main panel; black puts it "
     "back where it was."},
    {"ShowSimplePanelDMDText", Topic::SimplePanel,
     "Draws `_SimplePanelDMDText` on simple panel `_SimplePanelNumber` as `ShowDMDText` does "
     "on the main DMD."},
    {"SetChartAttr", Topic::Indicators,
     "Clears the strip chart and places it with its top-left corner at (`_ChartXPos`, "
     "`_ChartYPos`), `_ChartWidth` × `_ChartHeight` pixels, label size `_ChartFontSize` (-2 "
     "keeps each of these); `_ChartVisibility` 0 hides it, any other value shows it."},
    {"AddChartValue", Topic::Indicators,
     "Appends `_ChartValue` as the next point of the strip chart and, unless "
     "`_ChartLabelText` is empty, makes it the chart's label."},
    {"MouseXPos", Topic::MainPanel, "The mouse's x-coordinate on the screen, in pixels."},
    {"MouseYPos", Topic::MainPanel, "The mouse's y-coordinate on the screen, in pixels."},
    {"LMB", Topic::MainPanel, "1 while the left mouse button is down, else 0."},
    {"RMB", Topic::MainPanel, "1 while the right mouse button is down, else 0."},
    {"MMB", Topic::MainPanel, "1 while the middle mouse button is down, else 0."},
    {"SetMouseCursorVisibility", Topic::MainPanel,
     "Raises the cursor's display counter for `_MouseCursorVisibility` other than 0 and lowers "
     "it for 0; the cursor shows while the counter is not negative, so calls nest: two calls "
     "with 0 need two with 1."},
    {"SetPanelUserLock", Topic::MainPanel,
     "For `_PanelUserLockYN` 1 the main panel takes no mouse or keyboard input (its close box "
     "included); 0 lets it take input again; other values change nothing. Before "
     "`InstallPanel` it shows \"CVI-function 'SetPanelUserLock' failed. First call "
     "'InstallPanel'\" (title \"warning\") and returns -1."},
    {"SetSimplePanelUserLock", Topic::SimplePanel,
     "Locks simple panel `_SimplePanelNumber` against mouse and keyboard input for "
     "`_SimplePanelUserLockYN` 1 and unlocks it for 0. For a panel that is not installed it "
     "shows \"CVI-function 'SetSimplePanelUserLock' failed. First call 'InstallSimplePanel'\" "
     "(title \"warning\") and returns -1."},
    {"SetDynPicAttr", Topic::Indicators,
     "Places dynamic picture `_DynPicNumber` of the main panel (`_DynPicPanel` 0) or the extra "
     "panel (1) with its top-left corner at (`_DynPicXPos`, `_DynPicYPos`), `_DynPicWidth` × "
     "`_DynPicHeight` pixels; -2 keeps a value."},
    {"SetDynPicVisibility", Topic::Indicators,
     "Shows image `_DynPicVisibility` of dynamic picture `_DynPicNumber` on panel "
     "`_DynPicPanel` (0 main, 1 extra). `_DynPicFrame` is the display mode: 0 hides the "
     "picture, 1 shows it, 2 shows it dimmed, other values keep the mode."},
    {"LoadDynPic", Topic::Indicators,
     "Loads the picture file `_DynPicFileName` (relative to the table's folder) as image "
     "`_DynPicFrame` of dynamic picture `_DynPicNumber` on panel `_DynPicPanel` (0 main, 1 "
     "extra), replacing the image of that number or adding it as the next one. Failures are "
     "reported under \"fatal error\" with -1: \"CVI-function 'LoadDynPic': File '…' not "
     "found\", \"CVI-function 'LoadDynPic': parameter '_DynPicFrame'=… not valid\" for an image "
     "number beyond the next free one, or \"CVI-function 'LoadDynPic': return code …\"."},
    {"SetVPSlideValue", Topic::Gauges,
     "Moves the slide's thumb to `_VPSlideValue`, in the units of its scale."},
    {"SetVPSlideVisibility", Topic::Gauges,
     "Hides the slide for `_VPSlideVisibility` 0 and shows it for any other value."},
    {"SetVPSlideAttr", Topic::Gauges,
     "Places the slide with its top-left corner at (`_VPSlideXPos`, `_VPSlideYPos`), "
     "`_VPSlideWidth` × `_VPSlideHeight` pixels, with a thumb of `_VPSlideSliderWidth` × "
     "`_VPSlideSliderHeight`, scale from `_VPSlideMinValue` to `_VPSlideMaxValue`, scale texts "
     "in `_VPSlideTextFontType` at size `_VPSlideFontSize`, the title `_VPSSlideTitle` beside "
     "it, and the colours of the empty part, the fill, the thumb and the scale. -2 and the empty "
     "string keep a property."},
    {"SetLevelThermometerLevelText", Topic::Gauges,
     "Names level `_LevelThermometerLevel` of the level thermometer `_LevelThermometerLevelText`: "
     "replaces the text of an existing level, or adds the level when it is the next one. Build "
     "the levels in order 0, 1, 2 … A level beyond the next one is refused with \"private "
     "CVI-function 'SetLevelThermometerLevelText': parameter '_LevelThermometerLevel'=… not "
     "valid\" (title \"fatal error\") and -1."},
    {"SetSquareLEDAttr", Topic::Indicators,
     "Places square LED `_SquareLEDNumber` (0 to 4) with its top-left corner at "
     "(`_SquareLEDXPos`, `_SquareLEDYPos`), `_SquareLEDWidth` × `_SquareLEDHeight` pixels, with "
     "the title `_SquareLEDTitle` centred on it in `_SquareLEDTextFontType` at size "
     "`_SquareLEDTextFontSize` and colour `_SquareLEDColorText`, lit in `_SquareLEDColorOn` "
     "and dark in `_SquareLEDColorOff`."},
    {"SetSquareLEDState", Topic::Indicators,
     "For `_SquareLEDState` 1 shows square LED `_SquareLEDNumber` lit, for -1 shows it dark, "
     "for 0 hides it; other values change nothing."},
    {"SetBitmapConstructAttr", Topic::BitmapConstruct,
     "Sets up a construction of slot `_BitmapConstructBitmapIDIndex` stretched to "
     "`_BitmapConstructWidth` × `_BitmapConstructHeight` pixels with its top-left corner at "
     "(`_BitmapConstructXPos`, `_BitmapConstructYPos`) (-1 centres it), in style "
     "`_BitmapConstructStyle`. Odd styles show the picture and take it down to black: 1 a "
     "closing oval, 3 a closing circle, 5 a closing rectangle, 7 a closing square, 13 a closing "
     "star. Even styles start from black and build it up: 2 an opening oval, 4 a circle, 6 a "
     "rectangle, 8 a square, 14 a star; 10 unrolls it row by row from the bottom, 12 from the "
     "top. Other values show the start picture and do nothing more."},
    {"ShowNextBitmapConstructStep", Topic::BitmapConstruct,
     "Draws the next step of the construction; once it is complete, `BitmapConstructState` "
     "reads 1 and further calls draw nothing."},
    {"BitmapConstructState", Topic::BitmapConstruct,
     "0 while the construction runs, 1 once it is complete."},
    {"CopyBitmapFromFontTextToSelection", Topic::Captures,
     "Renders `_Text` in the font `_FontType`, `_FontHeight` pixels high, bold when `_Bold` is "
     "1, italic when `_Italic` is 1, in `_Color` on the text's background, and captures it into "
     "slot `_BitmapSelectionIndex`. `_Mirror` 1 turns the picture upside down, 2 mirrors it left "
     "to right, 0 leaves it. A slot outside 0 to 499 is refused with \"CVI-function "
     "'CopyBitmapFromFontTextToSelection': argument '_BitmapSelectionIndex' out of range (must "
     "be 0..499)\" (title \"fatal error\") and -1."},
    {"WriteHighscoreToCVI", Topic::Highscores,
     "Stores entry `_Index` (0 to 99) of the high-score table: the score `_Highscore`, the name "
     "`_Highname` and the texts `_Highstring1` and `_Highstring2`, up to 25 characters each. An "
     "index above 99 is refused with \"CVI-function 'WriteHighscoreToCVI': argument '_Index' "
     "out of range (must be 0..99)\", a text too long with \"CVI-function "
     "'WriteHighscoreToCVI': argument '_Highname' too long (max. 25 characters)\" (or "
     "'_Highstring1', '_Highstring2'), under \"fatal error\" with -1; the table is unchanged."},
    {"SortHighscores", Topic::Highscores,
     "Sorts the entries `_MinIndex` to `_MaxIndex` (both included) by score in rising order: the "
     "lowest score ends at `_MinIndex`, the highest at `_MaxIndex`; equal scores keep their "
     "order. "
     "`_MinIndex` must be below `_MaxIndex`, and `_MaxIndex` at most 99; otherwise \"CVI-function "
     "'SortHighscores': argument '_MinIndex' out of range (must be 0..(_MaxIndex-1)\" or "
     "\"CVI-function 'SortHighscores': argument '_MaxIndex' out of range (must be "
     "(_MinIndex+1)..99)\" (title \"fatal error\") and -1."},
    {"ReadHighscoreFromCVI", Topic::Highscores,
     "Reads entry `_Index` (0 to 99): the score as a number and the name and two texts as "
     "strings, into the four out arguments. In Lua they come back as further results after the "
     "status: `local status, score, name, text1, text2 = obj:ReadHighscoreFromCVI(0)`. An index "
     "above 99 is refused with \"CVI-function 'ReadHighscoreFromCVI': argument '_Index' out of "
     "range (must be 0..99)\" (title \"fatal error\") and -1."},
    {"SetBitmapFadeOverAttr", Topic::FadeOver,
     "Sets up a cross-fade from slot `_BitmapIDIndex1` to slot `_BitmapIDIndex2`, shown "
     "stretched to `_Width` × `_Height` pixels with its top-left corner at (`_XPos`, `_YPos`) "
     "(-1 centres it), and shows the first picture. The two pictures must be of the same size "
     "and of at most 125,000 pixels each; otherwise \"CVI-function 'SetBitmapFadeOverAttr': "
     "dimensions of selected bitmaps not equal\" or \"CVI-function 'SetBitmapFadeOverAttr': "
     "selected bitmap(s) too big\" (title \"fatal error\") and -1; so are empty slots "
     "(\"… selected bitmap slot(s) empty\")."},
    {"ChangeBitmapFadeOverIntensity", Topic::FadeOver,
     "Draws the blend at `_FadeOverIntensity` percent of the second picture, 0 to 100. A value "
     "above 100 is refused with \"CVI-function 'ChangeBitmapFadeInOutState': argument "
     "'_FadeOverIntensity' out of range (must be 0..100)\" (title \"fatal error\") and -1."},
    {"ShowMemoryStatus", Topic::Services,
     "Shows a report of the machine's available and total physical and virtual memory, in "
     "bytes and percent, under the title \"memory status report\". In a headless run the "
     "report is printed, not waited on."},
    {"ChangeZPlanePosScrolltext", Topic::ScrollText,
     "For `_ZPlanePos` 1 brings the text canvas in front of every other control of the main "
     "panel; 0 puts it back where it was; other values change nothing."},
    {"MaskBitmapFromSelection", Topic::Captures,
     "Makes every pixel of colour `_BitmapMaskColor` (0xRRGGBB) in the picture of slot "
     "`_BitmapSelectionIndex` transparent: from then on that colour is left out whenever the "
     "picture is drawn. A slot outside 0 to 499 is refused with \"CVI-function "
     "'MaskBitmapFromSelection': argument '_BitmapSelectionIndex' out of range (must be "
     "0..499)\" and a picture of more than 125,000 pixels with \"CVI-function "
     "'MaskBitmapFromSelection': selected bitmap too big\" (title \"fatal error\"), each with "
     "-1."},
    {"SetUpLoopScrollAttr", Topic::Linebox,
     "Styles the linebox: left edge `_XPos`, width `_Width`, font `_FontStyle`, size "
     "`_FontHeight`, colour `_FontColor`, bold `_Bold`, italic `_Italic` (-2 and the empty "
     "string keep a setting), and the speed `_ScrollSpeed` in pixels per step. It puts the "
     "linebox just below the bottom edge of the main panel, ready to roll."},
    {"AddLineboxLine", Topic::Linebox,
     "Appends the line `_Text` (up to 250 characters) to the linebox; the box grows to show all "
     "its lines."},
    {"DeleteLineboxLine", Topic::Linebox,
     "Deletes line `_LineIndex` (counted from 0) of the linebox, or every line for -1. Another "
     "index is refused with \"CVI-function 'KillLineboxLine': argument '_LineIndex' out of "
     "range!\" (title \"Error\") and -1."},
    {"HideLinebox", Topic::Linebox,
     "Parks the linebox beyond the right edge of the main panel. Its lines and style stay; "
     "`SetUpLoopScrollAttr` with a left edge brings it back."},
    {"ShowUpLoopScrollNextStep", Topic::Linebox,
     "Moves the linebox up by its speed; once its last line has passed the top edge it starts "
     "again below the bottom edge. Call it once per tick."},
    {"SetExtraTextAttr", Topic::ExtraPanel,
     "Styles the text line of the extra panel: top-left corner (`_XPos`, `_YPos`), width "
     "`_Width`, the title `_Title` above it, font `_FontType` at size `_FontSize`, text in "
     "`_FrontColor` on `_BackColor`; `_Visibility` 0 hides it, other values show it."},
    {"SetExtraTextText", Topic::ExtraPanel, "Shows `_Text` in the text line of the extra panel."},
    {"DrawOnBackground", Topic::AreaDrawing,
     "Copies the section of slot `_BitmapIDIndex` with its top-left corner at "
     "(`_BitmapSelectionXPos`, `_BitmapSelectionYPos`), `_BitmapSelectionWidth` × "
     "`_BitmapSelectionHeight` pixels, stretched into the rectangle of the DMD canvas with its "
     "top-left corner at (`_AreaXPos`, `_AreaYPos`), `_AreaWidth` × `_AreaHeight` pixels: a "
     "background picture under the display, or a logo."},
    {"SetBitmapSquareFadeAttr", Topic::SquareFade,
     "Sets up a square fade of slot `_SquareBitmapIDIndex` scaled by `_SquareZoom` with its "
     "top-left corner at (`_SquareXPos`, `_SquareYPos`) (-1 centres it) on the DMD canvas, in "
     "cells of `_SquareDim` picture pixels. `_SquareFadeInOut` chooses between letting the "
     "cells appear and letting them vanish. `_SquareFadeStyle` is the order in which the cells "
     "start: 1 all together, 2 from the right, 3 from the left, 4 from the top, 5 from the "
     "bottom; other values keep the counters. More than 50 cells across or down, or a cell size "
     "of 0 or less, is refused with \"CVI-function 'SetBitmapSquareFadeAttr': parameter "
     "'_SquareDim' out of range\", a zoom of 0 or less with \"CVI-function "
     "'SetBitmapSquareFadeAttr': parameter '_SquareZoom' out of range\" (title \"fatal error\") "
     "and -1; steps after a refused set-up draw nothing."},
    {"SetBitmapSquareValue", Topic::SquareFade,
     "Sets the counter of cell column `_SquareXNum`, row `_SquareYNum` (0 to 49) to "
     "`_SquareValue`: a cell starts when its counter reaches 0, so a negative value starts it "
     "that many steps later. Column or row above 49 is refused with \"CVI-function "
     "'SetBitmapSquareValue': parameter '_SquareXNum' or '_SquareYNum' out of range\" (title "
     "\"fatal error\") and -1."},
    {"ShowBitmapSquareFadeNextStep", Topic::SquareFade,
     "Draws the next step of every cell. Call it until `BitmapSquareFadeState` reads 1."},
    {"BitmapSquareFadeState", Topic::SquareFade,
     "0 while cells of the square fade are still changing, 1 once every cell has finished."},
    {"ShowPanel", Topic::MainPanel,
     "Moves the main panel back to the left edge given to `InstallPanel`."},
    {"HidePanel", Topic::MainPanel,
     "Moves the main panel out of sight, to the screen x-coordinate 1605; its top edge stays."},
    {"copydmdtosimpledmd", Topic::Captures,
     "Puts a picture of the DMD canvas as it shows on the screen on the system clipboard."},
    {"DrawAreaExtra", Topic::AreaDrawing,
     "As `DrawArea`, onto the extra DMD canvas: copies the section of slot `_BitmapIDIndex` "
     "with its top-left corner at (`_BitmapSectionXPos`, `_BitmapiSectionYpos`), "
     "`_BitmapSectionWidth` × `_BitmapSectionHeight` pixels, unscaled to (`_AreaXPos`, "
     "`_AreaYPos`)."},
    {"CopyXtraToDmd", Topic::ExtraPanel,
     "Copies the extra DMD canvas, as it shows on the screen, onto the DMD canvas of the main "
     "panel at the same place, as far as the main panel reaches."},
    {"ShowExtraValue", Topic::Dmd,
     "As `ShowDMDValue`, on the extra DMD canvas. A value above 9999999999 is refused with "
     "\"CVI-function 'ShowExtraValue': argument '_DMDNumericValue' overflow error (value > "
     "9.999.999.999)\" (title \"fatal error\") and -1."},
    {"ShowExtraNumeric", Topic::Dmd,
     "As `ShowDMDNumeric`, on the extra DMD canvas. A value below 0 or above 9999999999 is "
     "refused with \"CVI-function 'ShowExtraNumeric': argument '_DMDNumericValue' out of range "
     "(must be 0..9999999999)\" (title \"fatal error\") and -1."},
    {"ShowExtraText", Topic::Dmd, "As `ShowDMDText`, on the extra DMD canvas."},
    {"DrawOnExtraBack", Topic::AreaDrawing,
     "As `DrawOnBackground`, onto the extra DMD canvas: a section of slot `_BitmapIDIndex` "
     "stretched into the rectangle (`_AreaXPos`, `_AreaYPos`, `_AreaWidth`, `_AreaHeight`)."},
    {"ClearExtra", Topic::AreaDrawing,
     "As `ClearArea`, on the extra DMD canvas: fills the rectangle (`_AreaXPos`, `_AreaYPos`, "
     "`_AreaWidth`, `_AreaHeight`) with `_Color`."},
    {"SaveHscoreToDisc", Topic::Highscores,
     "Writes the whole high-score table to the file `HScoreFileName` (8,600 bytes), relative "
     "to the folder the host runs in. A file that cannot be written is reported with "
     "\"CVI-function 'SaveHscoreToDisc': File '…' could not be written: …\" (title \"fatal "
     "error\") and -1."},
    {"LoadHscoreFromDisc", Topic::Highscores,
     "Reads the whole high-score table from the file `HScoreFileName`, relative to the folder "
     "the host runs in. A missing file leaves the table as it is and returns 0, as on a table's "
     "first run. A file that cannot be read or is no high-score table is reported with "
     "\"CVI-function 'LoadHscoreFromDisc': File '…' is no high-score table (…); nothing was "
     "loaded\" (title \"fatal error\") and -1, and the table is unchanged."},
    {"WinExecute", Topic::Services,
     "Starts the command line `ExecuteFileName` as another program and returns at once, 0 "
     "whether or not it could be started. A relative program name is looked up by the system's "
     "rules, not in the table's folder."},
    {"SetExtraPanelFrameVisibility", Topic::ExtraPanel,
     "Shows the extra panel's frame for `_XPanelFrameVisibility` 1 and hides it for any other "
     "value."},
}};
// clang-format on

// One entry per member, in slot order, with the member's name.
constexpr bool MemberDocsMatchTable() {
    for (int i = 0; i < kMemberCount; ++i) {
        if (kMemberDocs[i].name != kMemberTable[i].name || kMemberDocs[i].text.empty())
            return false;
    }
    return true;
}
static_assert(MemberDocsMatchTable(), "kMemberDocs: one entry per member, in slot order");

}  // namespace tov::server
