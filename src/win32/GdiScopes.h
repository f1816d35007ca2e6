// Owners for what GDI hands out for a moment: a window's device context, an
// object selected into a context, an object created for one drawing. Each
// gives its handle back when its scope ends, in the reverse order of
// declaration, so a selection declared after the object it selects is
// undone before that object is deleted, as GDI requires.
#pragma once

#include "Win32Api.h"

namespace win32 {

// GetDC/ReleaseDC; a null window is the screen.
class WindowDc {
public:
    explicit WindowDc(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() {
        if (dc_) ReleaseDC(hwnd_, dc_);
    }

    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND hwnd_;
    HDC dc_;
};

// SelectObject, undone on scope exit by selecting back what it replaced.
class SelectionScope {
public:
    SelectionScope(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    SelectionScope(const SelectionScope&) = delete;
    SelectionScope& operator=(const SelectionScope&) = delete;
    ~SelectionScope() {
        if (previous_) SelectObject(dc_, previous_);
    }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A created pen, brush, font or bitmap, deleted when its owner goes.
// Move-only, so that it can live in a structure that is moved around.
template <class Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {}
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    GdiObject(GdiObject&& other) noexcept : handle_(other.release()) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    ~GdiObject() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

    void reset(Handle replacement = nullptr) {
        const Handle previous = handle_;
        handle_ = replacement;
        if (previous) DeleteObject(previous);
    }
    Handle release() {
        const Handle taken = handle_;
        handle_ = nullptr;
        return taken;
    }

private:
    Handle handle_ = nullptr;
};

}  // namespace win32
