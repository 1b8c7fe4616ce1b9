// The game's pictures: their ids, resource file names, pixel sizes and the layout of the strips.
// Header only, so that the artwork generator (tools/artwork) shares it without linking the ui.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace tk {

enum class PictureId : int {
    CommandBar,  // the eight command-bar buttons, released and pressed faces
    LotTile0,    // the tile of a lot of display kind 0; kinds 1..10 follow in order,
    LotTileLast = LotTile0 + 10,  // each its own picture, so that only the kinds shown are decoded
    LotMarker,                    // marker of the selected lot on the main screen's grounds view
    MaintainFrame,                // frame over a lot marked for maintenance (whole-grounds screen)
    PracticeOverlay,              // blinking "練習中" badge over the grounds view
    GroundsGate,                  // fixed picture in the middle of the grounds view's top band
    GroundsSideLeft0,             // narrow picture left of the gate, ViewFlags[0] = 0: hedge
    GroundsSideLeft1,             // ViewFlags[0] = 1: cherry trees
    GroundsSideRight0,            // narrow picture right of the gate, ViewFlags[1] = 0: hedge, lamp
    GroundsSideRight1,            // ViewFlags[1] = 1: benches and vending machines
    BuildingOutdoorCourt,         // construction screen: outdoor court
    BuildingLitCourt,             // construction screen: outdoor court with lighting
    BuildingIndoorCourt,          // construction screen: indoor court
    BuildingTrainingRoom,         // construction screen: training room
    MatchIntro,                   // the picture of the match announcement
    TitleLogo,                    // the game's name for the title screen
    AppIcon,                      // window icon
};

struct PictureInfo {
    PictureId id;
    std::string_view file;  // file name in assets/ and in the resource prefix /pictures
    int width;
    int height;
};

// Command bar: button i has its released face at (i * 100, 0) and its pressed face 35 pixels
// lower, each 70 x 29; the main screen draws button i at (i * 85, 5). After the eight commands
// of the rules comes a ninth, 連続進行 (weeks one after another until one needs the player),
// and the strip holds one more face, 停止, which that button shows while it runs.
inline constexpr int kCommandButtonCount = 8;  // the eight commands of the rules
inline constexpr int kAdvanceButton = 8;       // 連続進行
inline constexpr int kCommandBarButtons = 9;   // buttons on the bar
inline constexpr int kAdvanceStopFace = 9;     // 停止, in place of 連続進行 while it runs
inline constexpr int kCommandStripFaces = 10;
inline constexpr int kCommandColumnStep = 100;
inline constexpr int kCommandPressedOffset = 35;
inline constexpr int kCommandFaceWidth = 70;
inline constexpr int kCommandFaceHeight = 29;
inline constexpr int kCommandDrawStep = 85;
inline constexpr int kCommandDrawTop = 5;

// Lot tiles: one picture per display kind k, each 160 x 120.
inline constexpr int kLotTileCount = 11;
inline constexpr int kLotTileWidth = 160;
inline constexpr int kLotTileHeight = 120;

// Grounds view of the main screen: a 40-pixel band on top (left side picture, gate, right side
// picture, 160 pixels each, at x = 0, 160, 320), then lot n at (n % 3 * 160, 40 + n / 3 * 120).
inline constexpr int kGroundsBandHeight = 40;
inline constexpr int kGroundsBandPieceWidth = 160;
inline constexpr int kGroundsViewWidth = 3 * kLotTileWidth;
inline constexpr int kGroundsViewHeight = kGroundsBandHeight + 3 * kLotTileHeight;

// Whole-grounds screen: lot n drawn at (n % 3 * 120, n / 3 * 100), 120 x 90.
inline constexpr int kSmallTileWidth = 120;
inline constexpr int kSmallTileHeight = 90;
inline constexpr int kSmallTileStepX = 120;
inline constexpr int kSmallTileStepY = 100;

// The id of the tile of display kind 0..10.
constexpr PictureId LotTileId(int displayKind) {
    return static_cast<PictureId>(static_cast<int>(PictureId::LotTile0) + displayKind);
}

inline constexpr std::array<PictureInfo, 27> kPictures = {{
    {PictureId::CommandBar, "command_bar.png", kCommandStripFaces *kCommandColumnStep, 64},
    {LotTileId(0), "lot_tile0.png", kLotTileWidth, kLotTileHeight},
    {LotTileId(1), "lot_tile1.png", kLotTileWidth, kLotTileHeight},
    {LotTileId(2), "lot_tile2.png", kLotTileWidth, kLotTileHeight},
    {LotTileId(3), "lot_tile3.png", kLotTileWidth, kLotTileHeight},
    {LotTileId(4), "lot_tile4.png", kLotTileWidth, kLotTileHeight},
    {LotTileId(5), "lot_tile5.png", kLotTileWidth, kLotTileHeight},
    {LotTileId(6), "lot_tile6.png", kLotTileWidth, kLotTileHeight},
    {LotTileId(7), "lot_tile7.png", kLotTileWidth, kLotTileHeight},
    {LotTileId(8), "lot_tile8.png", kLotTileWidth, kLotTileHeight},
    {LotTileId(9), "lot_tile9.png", kLotTileWidth, kLotTileHeight},
    {LotTileId(10), "lot_tile10.png", kLotTileWidth, kLotTileHeight},
    {PictureId::LotMarker, "lot_marker.png", kLotTileWidth, kLotTileHeight},
    {PictureId::MaintainFrame, "maintain_frame.png", kSmallTileWidth, kSmallTileHeight},
    {PictureId::PracticeOverlay, "practice_overlay.png", 240, 72},
    {PictureId::GroundsGate, "grounds_gate.png", kGroundsBandPieceWidth, kGroundsBandHeight},
    {PictureId::GroundsSideLeft0, "grounds_left0.png", kGroundsBandPieceWidth, kGroundsBandHeight},
    {PictureId::GroundsSideLeft1, "grounds_left1.png", kGroundsBandPieceWidth, kGroundsBandHeight},
    {PictureId::GroundsSideRight0, "grounds_right0.png", kGroundsBandPieceWidth,
     kGroundsBandHeight},
    {PictureId::GroundsSideRight1, "grounds_right1.png", kGroundsBandPieceWidth,
     kGroundsBandHeight},
    {PictureId::BuildingOutdoorCourt, "building_outdoor.png", 240, 160},
    {PictureId::BuildingLitCourt, "building_lit.png", 240, 160},
    {PictureId::BuildingIndoorCourt, "building_indoor.png", 240, 160},
    {PictureId::BuildingTrainingRoom, "building_training.png", 240, 160},
    {PictureId::MatchIntro, "match_intro.png", 400, 240},
    {PictureId::TitleLogo, "title_logo.png", 480, 140},
    {PictureId::AppIcon, "app_icon.png", 64, 64},
}};

// The entry of one picture; kPictures is kept in the order of PictureId.
constexpr const PictureInfo &PictureInfoOf(PictureId id) {
    return kPictures[static_cast<std::size_t>(id)];
}

constexpr bool PicturesInIdOrder() {
    for (std::size_t i = 0; i < kPictures.size(); ++i) {
        if (static_cast<std::size_t>(kPictures[i].id) != i) return false;
    }
    return true;
}
static_assert(PicturesInIdOrder(), "kPictures must list the pictures in the order of PictureId");

}  // namespace tk
