// Every control of the main window at its design place: the layout the
// window is drawn to, pinned once for the tests that check places.
#pragma once

#include <QRect>

inline const struct {
    const char* name;
    QRect geometry;
} kLayout[] = {{"open_image", {16, 5, 50, 46}},      {"save_image", {72, 12, 49, 40}},
               {"pr_image", {128, 16, 43, 37}},      {"pr_setup", {176, 24, 49, 26}},
               {"chart_image", {234, 16, 46, 37}},   {"Image2", {288, 8, 125, 30}},
               {"helpBtn", {488, 8, 65, 28}},        {"Label3", {432, 27, 37, 15}},
               {"PaintBox3", {432, 48, 120, 600}},   {"PaintBox2", {352, 64, 60, 75}},
               {"Label1", {296, 93, 49, 15}},        {"Label5", {304, 110, 39, 15}},
               {"Label2", {304, 126, 38, 15}},       {"Label4", {16, 65, 56, 15}},
               {"maxmovetext", {16, 83, 41, 22}},    {"maxmoveUpDown", {57, 83, 18, 22}},
               {"stepcheck", {80, 80, 49, 17}},      {"Label8", {144, 65, 40, 15}},
               {"togotext", {144, 83, 41, 22}},      {"playBtn", {16, 112, 65, 28}},
               {"replayBtn", {88, 112, 65, 28}},     {"searchBtn", {160, 112, 65, 28}},
               {"PaintBox1", {16, 148, 400, 500}},   {"msgtext", {16, 658, 537, 25}},
               {"resetBtn", {16, 696, 65, 28}},      {"hintBtn", {96, 696, 65, 28}},
               {"solveBtn", {168, 696, 65, 28}},     {"BackBtn", {288, 696, 57, 28}},
               {"goBtn", {360, 696, 57, 28}},        {"statBtn", {472, 696, 75, 28}},
               {"Label9", {196, 65, 90, 15}},        {"puzzletext", {196, 83, 90, 22}},
               {"puzzles_image", {238, 111, 44, 32}}};
