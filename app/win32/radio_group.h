#pragma once
// A radio group: a group box with its caption and automatic radio buttons in
// columns. Reports the user's choice, never the program's.

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "app/win32/child_controls.h"

namespace ek::app::win32 {

class RadioGroup {
  public:
    using ChoiceHandler = std::function<void(int itemIndex)>;

    // The buttons get the ids firstId, firstId + 1, ...; the group box the
    // id before them.
    RadioGroup(HWND parent, int firstId, std::wstring_view caption,
               std::initializer_list<std::wstring_view> items, int columns, const Box& box,
               Placements& placements, ChoiceHandler chosen);

    // The program's choice (-1: none); reported to nobody.
    void choose(int itemIndex);

    // A WM_COMMAND of the parent; true when it came from one of the buttons.
    bool handleCommand(int id, int code);

  private:
    int firstId_;
    std::vector<HWND> buttons_;
    ChoiceHandler chosen_;
    int choice_ = -1;
};

}  // namespace ek::app::win32
