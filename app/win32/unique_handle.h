#pragma once
// Owners of the Windows objects the window makes: each gives its object back
// (closes, deletes, destroys) exactly once, when the owner goes.

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <utility>

namespace ek::app::win32 {

template <typename Traits>
class UniqueHandle {
  public:
    using Value = typename Traits::Value;

    UniqueHandle() = default;
    explicit UniqueHandle(Value value) : value_(value) {}
    UniqueHandle(UniqueHandle&& other) noexcept : value_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        reset(other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { reset(); }

    Value get() const { return value_; }
    bool valid() const { return value_ != Traits::invalid(); }
    explicit operator bool() const { return valid(); }

    Value release() { return std::exchange(value_, Traits::invalid()); }
    void reset(Value value = Traits::invalid()) {
        const Value old = std::exchange(value_, value);
        if (old != Traits::invalid())
            Traits::close(old);
    }

  private:
    Value value_ = Traits::invalid();
};

// A folder's change notification (FindFirstChangeNotificationW).
struct ChangeNotificationTraits {
    using Value = HANDLE;
    static Value invalid() { return INVALID_HANDLE_VALUE; }
    static void close(Value value) { ::FindCloseChangeNotification(value); }
};
using ChangeNotification = UniqueHandle<ChangeNotificationTraits>;

// A font, pen or brush.
struct GdiObjectTraits {
    using Value = HGDIOBJ;
    static Value invalid() { return nullptr; }
    static void close(Value value) { ::DeleteObject(value); }
};
using GdiObject = UniqueHandle<GdiObjectTraits>;

struct ImageListTraits {
    using Value = HIMAGELIST;
    static Value invalid() { return nullptr; }
    static void close(Value value) { ::ImageList_Destroy(value); }
};
using ImageList = UniqueHandle<ImageListTraits>;

// A table of keyboard shortcuts made by the program (CreateAcceleratorTableW).
struct AcceleratorTableTraits {
    using Value = HACCEL;
    static Value invalid() { return nullptr; }
    static void close(Value value) { ::DestroyAcceleratorTable(value); }
};
using AcceleratorTable = UniqueHandle<AcceleratorTableTraits>;

// A top-level window; child windows go with their parent.
struct WindowTraits {
    using Value = HWND;
    static Value invalid() { return nullptr; }
    static void close(Value value) {
        if (::IsWindow(value))
            ::DestroyWindow(value);
    }
};
using UniqueWindow = UniqueHandle<WindowTraits>;

// The device context of a window's client area (GetDC).
class WindowDc {
  public:
    explicit WindowDc(HWND window) : window_(window), dc_(::GetDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() {
        if (dc_ != nullptr)
            ::ReleaseDC(window_, dc_);
    }
    HDC get() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

// Selects an object into a device context for the owner's lifetime.
class SelectedObject {
  public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    ~SelectedObject() { ::SelectObject(dc_, previous_); }

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace ek::app::win32
