#pragma once

#include "forms/FormDescription.h"

#include <string>
#include <string_view>

namespace formules {

// A window's description as the page builds it (site/page/build.js): a JSON object with its
// caption, its client area and place in CSS pixels (96 to the inch), its colours in the classic
// scheme, its fonts with their stand-ins, and its controls and menu entries in the language.
// Controls come in the order of the description, which is the order they are drawn in (a panel
// under what it holds).
std::string pageWindow(const FormDescription& description, std::string_view form,
                       const std::string& language);

// The keys of that object, each named here once; the page reads them by these names.
namespace pageKey {
// The window.
inline constexpr std::string_view kForm = "form";       // the form's name: "Form4"
inline constexpr std::string_view kCaption = "caption"; // the title, in the language
inline constexpr std::string_view kClose = "close";     // the close button's name, in the language
inline constexpr std::string_view kPlaced = "placed";   // whether left and top are its place
inline constexpr std::string_view kControls = "controls"; // an array of controls
inline constexpr std::string_view kMenu = "menu";         // an array of menu entries
// The window and each control: the place and size in pixels (a control's in the client area),
// the colours as CSS colours, the font (null for a control in its window's).
inline constexpr std::string_view kLeft = "left";
inline constexpr std::string_view kTop = "top";
inline constexpr std::string_view kWidth = "width";
inline constexpr std::string_view kHeight = "height";
inline constexpr std::string_view kGround = "ground"; // "" for a control letting its back show
inline constexpr std::string_view kInk = "ink";       // "" for a control in its window's ink
inline constexpr std::string_view kFont = "font";
// A font in its CSS parts.
inline constexpr std::string_view kFamily = "family"; // the family, its stand-ins, the generic one
inline constexpr std::string_view kWeight = "weight"; // "bold" or "normal"
inline constexpr std::string_view kSlant = "slant";   // "italic" or "normal"
inline constexpr std::string_view kSize = "size";     // in pixels
// Each control and menu entry.
inline constexpr std::string_view kName = "name"; // its design name: "Text1", "mnuCalc"
// Its caption in the language, split around its access key ("" when it has none).
inline constexpr std::string_view kBefore = "before";
inline constexpr std::string_view kKey = "key";
inline constexpr std::string_view kAfter = "after";
// Each control.
inline constexpr std::string_view kKind = "kind";   // kindName: "button", "box", ...
inline constexpr std::string_view kPanel = "panel"; // the panel it lies on, or ""
inline constexpr std::string_view kTab = "tab";     // its place in the tab order; -1: no focus
inline constexpr std::string_view kCentred = "centred";
inline constexpr std::string_view kRing = "ring";           // its focus ring's colour
inline constexpr std::string_view kAnnounced = "announced"; // its name for a screen reader, or ""
inline constexpr std::string_view kHint = "hint";           // its tooltip, or ""
inline constexpr std::string_view kEnter = "enter";         // the button Return presses, or ""
inline constexpr std::string_view kEscape = "escape";       // whether Escape presses it
inline constexpr std::string_view kLabels = "labels";       // the labels that name a box, or []
// The colours for a user who asks for more contrast; "" where the described ones are kept.
inline constexpr std::string_view kInkMore = "inkMore";
inline constexpr std::string_view kGroundMore = "groundMore";

// Every key above, for the page's own list of them (formules-predrawn writes it).
inline constexpr std::string_view kAll[] = {
    kForm,   kCaption, kClose,  kPlaced, kControls, kMenu,       kLeft,    kTop,  kWidth,
    kHeight, kGround,  kInk,    kFont,   kFamily,   kWeight,     kSlant,   kSize, kName,
    kBefore, kKey,     kAfter,  kKind,   kPanel,    kTab,        kCentred, kRing, kAnnounced,
    kHint,   kEnter,   kEscape, kLabels, kInkMore,  kGroundMore,
};
} // namespace pageKey

} // namespace formules
