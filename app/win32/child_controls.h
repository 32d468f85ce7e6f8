#pragma once
// Making the child controls of a window and keeping them at their places
// when the resolution changes.

#include <windows.h>

#include <string_view>
#include <vector>

#include "app/win32/box.h"
#include "app/win32/window_font.h"

namespace ek::app::win32 {

// A child window of `parent` of the system class `className`, visible.
HWND createChild(HWND parent, const wchar_t* className, std::wstring_view text, DWORD style, int id,
                 DWORD exStyle = 0);

// What happens to a caption wider than its control, as a wider substitute
// for the window font may make it.
enum class Fit {
    Clip,        // nothing: the control clips it
    GrowToText,  // a label grows to the right
    ShrinkText,  // a button's caption is set a little smaller
};

// The controls of one window and their places at 96 dots per inch.
class Placements {
  public:
    HWND add(HWND control, const Box& box, Fit fit = Fit::Clip) {
        placed_.push_back({control, box, fit});
        return control;
    }
    // Moves every control to its place at the resolution of `fonts`, after
    // the window font has been set on all of them.
    void apply(FontSet& fonts) const;

  private:
    struct Placed {
        HWND control;
        Box box;
        Fit fit;
    };
    std::vector<Placed> placed_;
};

void moveTo(HWND control, const Box& box, unsigned dpi);

// The text of a control.
std::wstring windowText(HWND control);

}  // namespace ek::app::win32
