#include "app/win32/radio_group.h"

#include "app/win32/radio_layout.h"

namespace ek::app::win32 {

RadioGroup::RadioGroup(HWND parent, int firstId, std::wstring_view caption,
                       std::initializer_list<std::wstring_view> items, int columns, const Box& box,
                       Placements& placements, ChoiceHandler chosen)
    : firstId_(firstId), chosen_(std::move(chosen)) {
    // WS_GROUP on the box ends the group of the controls before it for the
    // arrow keys; the first button starts this one.
    placements.add(createChild(parent, L"BUTTON", caption, BS_GROUPBOX | WS_GROUP, firstId - 1),
                   box);
    const int count = static_cast<int>(items.size());
    int index = 0;
    for (const std::wstring_view item : items) {
        const DWORD style = BS_AUTORADIOBUTTON | (index == 0 ? WS_GROUP | WS_TABSTOP : 0);
        const HWND button = createChild(parent, L"BUTTON", item, style, firstId + index);
        placements.add(button, radioItemBox(box, index, count, columns));
        buttons_.push_back(button);
        ++index;
    }
}

void RadioGroup::choose(int itemIndex) {
    choice_ = itemIndex;
    for (std::size_t index = 0; index < buttons_.size(); ++index) {
        const WPARAM state = static_cast<int>(index) == itemIndex ? BST_CHECKED : BST_UNCHECKED;
        if (::SendMessageW(buttons_[index], BM_GETCHECK, 0, 0) != static_cast<LRESULT>(state))
            ::SendMessageW(buttons_[index], BM_SETCHECK, state, 0);
    }
}

bool RadioGroup::handleCommand(int id, int code) {
    const int index = id - firstId_;
    if (index < 0 || index >= static_cast<int>(buttons_.size()))
        return false;
    // A click on the chosen item, or the focus arriving at a button, is no
    // change of choice.
    if (code == BN_CLICKED && index != choice_ &&
        ::SendMessageW(buttons_[static_cast<std::size_t>(index)], BM_GETCHECK, 0, 0) ==
            BST_CHECKED) {
        choice_ = index;
        chosen_(index);
    }
    return true;
}

}  // namespace ek::app::win32
