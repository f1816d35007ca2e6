// The panel's push buttons and list boxes seen from outside: clicked,
// selected and double-clicked as a user does, and read back (the tone
// browser's lists, the player's Play and Stop buttons, the Default button).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The first push button with this text, or nullptr.
HWND findButton(HWND form, const std::string& text);
// BM_CLICK, sent; false when the button is missing or disabled.
bool clickButton(HWND form, const std::string& text);
// Whether the button meets enabled (0 or 1; negative: not checked);
// *detail says what was seen.
bool buttonMeets(HWND form, const std::string& text, int enabled, std::string* detail);

// List box N (from 1, in creation order), or nullptr.
HWND findList(HWND form, unsigned index);
// Selects an item and tells the form as the list tells it of a user's
// choice (LBN_SELCHANGE); false when the list or the item is missing.
bool selectListItem(HWND form, unsigned list, unsigned item);
// The notice of a double click on the selected item (LBN_DBLCLK).
bool doubleClickList(HWND form, unsigned list);
// Whether the list holds exactly these items ("a|b|c"; "" for none) and,
// unless selected is below -1, has that item selected (-1: none).
bool listMeets(HWND form, unsigned list, const std::string& items, int selected,
               std::string* detail);
