#pragma once
// What a plot draws, read from the controls when the command runs.
#include "text/u16.h"

namespace surva::dxf {

struct PlotSettings {
  bool zFromList = true;        // "CADへ"; false for "CADへ (Z=0)"
  bool polylines = false;       // CheckBox21 "PLINE" (also groups by name)
  text::u16 separator;          // Edit7 "区切文字"
  bool closed = false;          // CheckBox5 "閉鎖"
  bool threeD = false;          // CheckBox28 "3D"
  bool orderByNearest = false;  // CheckBox7 "2点目以降座標順"
  bool points = false;          // CheckBox22 "POINT"
  bool circles = false;         // CheckBox26 "CIRCLE"
  bool names = false;           // CheckBox23 "測点名"
  bool coords = false;          // CheckBox4 "座標値（"
  bool zOnly = false;           // CheckBox11 "Z値のみ）"
  text::u16 polylineLayer;      // Edit2
  text::u16 pointLayer;         // Edit8
  text::u16 circleLayer;        // Edit18
  text::u16 nameLayer;          // Edit9
  text::u16 coordLayer;         // Edit10
  text::u16 radius;             // Edit19 "半径"
  text::u16 nameHeight;         // Edit1 "測点名"
  text::u16 coordHeight;        // Edit13 "座標値"
  bool dimscale = true;         // CheckBox24 "上記数値を DIMSCALE 倍"
  int labelDecimals = 3;        // UpDown6
  text::u16 plotRange;          // Edit31 "プロット範囲"
};

}  // namespace surva::dxf
