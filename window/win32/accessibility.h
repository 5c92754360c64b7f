#pragma once

#include <windows.h>

#include <oleacc.h>

#include <memory>
#include <string>

namespace triangle::win32 {

// What a screen reader is told about the standard controls beyond their own texts, through
// Windows' dynamic annotation (IAccPropServices): a field's name and description, and the
// control that announces a calculation as a polite live region. Where the service is missing
// (no COM on the thread), the controls keep their plain accessibility.
class Accessibility {
public:
    Accessibility() = default;
    Accessibility(const Accessibility&) = delete;
    Accessibility& operator=(const Accessibility&) = delete;

    void setName(HWND control, const std::wstring& name);
    void setDescription(HWND control, const std::wstring& description);
    // The control's text changes are read out without the focus moving.
    void makeLiveRegion(HWND control);
    // Tells a screen reader that a live region's text has changed.
    static void liveRegionChanged(HWND control);
    // Forgets what was said of a control; before it is destroyed.
    void clear(HWND control);

private:
    struct Release {
        void operator()(IUnknown* object) const { object->Release(); }
    };
    // Null where COM is not set up on the thread.
    static IAccPropServices* Services();

    std::unique_ptr<IAccPropServices, Release> m_services{Services()};
};

} // namespace triangle::win32
