#pragma once

#include "template_writer.h"

// A dialog with one of every kind of control the game's dialogs use.
namespace orders {

inline constexpr int NameLabel = 10, NameEdit = 11, CountEdit = 12;
inline constexpr int Attack = 20, Defend = 21, Retreat = 22;  // automatic radio group
inline constexpr int Fast = 30, Slow = 31;  // a second automatic group
inline constexpr int Left = 40, Right = 41;  // radio buttons the game checks
inline constexpr int Escort = 50, Cloak = 51;  // automatic and manual check boxes
inline constexpr int Ships = 60;  // list with tab stops
inline constexpr int Frame = 70;  // group box
inline constexpr int Ok = 1, Cancel = 2, Help = 3, Locked = 80, Secret = 81;

inline constexpr std::int16_t X = 20, Y = 10, Width = 200, Height = 150;

inline constexpr std::uint32_t AutoRadio = 9, ManualRadio = 4, AutoCheck = 3, ManualCheck = 2;
inline constexpr std::uint32_t GroupBox = 7, DefaultPush = 1;
inline constexpr std::uint32_t Number = 0x2000, TabStops = 0x80;

inline std::vector<std::uint8_t> Layout() {
  TemplateWriter out;
  out.Header(DialogStyle, 20, X, Y, Width, Height, u"Fleet Orders");
  out.Control(StaticClass, Shown, 5, 5, 40, 10, NameLabel, u"&Name:");
  out.Control(EditClass, Shown | Group | TabStop, 50, 5, 80, 12, NameEdit, u"Vanguard");
  out.Control(EditClass, Shown | TabStop | Number, 50, 20, 40, 12, CountEdit, u"");
  out.Control(ButtonClass, Shown | Group | TabStop | AutoRadio, 5, 40, 60, 10, Attack, u"&Attack");
  out.Control(ButtonClass, Shown | AutoRadio, 5, 52, 60, 10, Defend, u"&Defend");
  out.Control(ButtonClass, Shown | AutoRadio, 5, 64, 60, 10, Retreat, u"&Retreat");
  out.Control(ButtonClass, Shown | Group | TabStop | AutoRadio, 70, 40, 40, 10, Fast, u"Fast");
  out.Control(ButtonClass, Shown | AutoRadio, 70, 52, 40, 10, Slow, u"Slow");
  out.Control(ButtonClass, Shown | Group | TabStop | ManualRadio, 110, 40, 30, 10, Left, u"Left");
  out.Control(ButtonClass, Shown | ManualRadio, 110, 52, 30, 10, Right, u"Right");
  out.Control(ButtonClass, Shown | Group | TabStop | AutoCheck, 5, 80, 60, 10, Escort, u"&Escort");
  out.Control(ButtonClass, Shown | TabStop | ManualCheck, 70, 80, 60, 10, Cloak, u"Cloak");
  out.Control(ListBoxClass, Shown | Group | TabStop | TabStops, 5, 95, 125, 50, Ships, u"");
  out.Control(ButtonClass, Shown | Group | TabStop | DefaultPush, 145, 95, 50, 14, Ok, u"OK");
  out.Control(ButtonClass, Shown | TabStop, 145, 113, 50, 14, Cancel, u"Cancel");
  out.Control(ButtonClass, Shown | TabStop, 145, 131, 50, 14, Help, u"&Help");
  out.Control(ButtonClass, Shown | Disabled | TabStop, 145, 5, 50, 14, Locked, u"Locked");
  out.Control(StaticClass, Child, 145, 22, 50, 8, Secret, u"Secret");
  out.Control(ButtonClass, Shown | Group | GroupBox, 2, 32, 140, 45, Frame, u"Orders");
  out.Control(StaticClass, Shown | 1, 2, 20, 45, 10, 90, u"Count");
  return out.bytes();
}

}  // namespace orders
