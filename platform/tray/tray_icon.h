#pragma once
// The player's icon in the taskbar's notification area: shown or not, its
// picture, its tool tip and three mouse events. The icon is added again when
// the taskbar is re-created (after the shell restarts).
#include <windows.h>

#include <functional>
#include <string>

namespace vorne::tray {

class TrayIcon {
public:
    // The events, numbered as the player handles them.
    enum Event : int { kMouseDown = 1, kMouseUp = 2, kMouseDblClick = 3 };

    TrayIcon();
    ~TrayIcon();
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // Adds the icon to the tray or removes it.
    bool Shown() const { return shown_; }
    void SetShown(bool on);
    // The picture; the icon keeps its own copy (null: no picture).
    HICON Picture() const { return icon_; }
    void SetPicture(HICON icon);
    // The tip as set; the tray shows what fits in its record.
    const std::string& ToolTip() const { return tip_; }
    void SetToolTip(std::string tip);
    // The tip the platform was given.
    std::string ShownTip() const;

    // Whether the last call on the tray succeeded.
    bool LastCallSucceeded() const { return last_ok_; }
    // The hidden window that receives the tray's messages.
    HWND Window() const { return hwnd_; }

    // event (kMouseDown, ...), button (1 left, 2 right, 4 middle).
    std::function<void(int event, int button)> OnEvent;

    // The message the tray sends the window, and the one the shell
    // broadcasts when the taskbar is made anew.
    static constexpr UINT kCallbackMessage = WM_APP + 0x2A1;
    static UINT TaskbarCreatedMessage();

private:
    static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM);
    void Fill(NOTIFYICONDATAA& data, UINT flags) const;
    bool Call(DWORD what, UINT flags);

    HWND hwnd_ = nullptr;
    HICON icon_ = nullptr;
    std::string tip_;
    bool shown_ = false;
    bool last_ok_ = true;
};

}  // namespace vorne::tray
