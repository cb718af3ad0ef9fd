// SPDX-License-Identifier: MIT
#pragma once
// The toolkit side of a plug-in's editor: what the effect holds and what the
// host's editor requests reach. Virtual operations in slot order 0 to 8.

#include <cstdint>

#include "gui/DisplayZoom.h"
#include "interface/EditorRect.h"

class EditorOwner;
class ViewFrame;

class EditorBase {
public:
    explicit EditorBase(EditorOwner* owner);
    virtual ~EditorBase();                                     // 0
    virtual int32_t editorRect(EditorRect** out);              // 1
    virtual int32_t open(void* parentWindow);                  // 2
    virtual void close();                                      // 3
    virtual void idle();                                       // 4
    virtual void onUpdate();                                   // 5
    virtual void requestUpdate();                              // 6
    virtual void parameterChanged(int32_t index, float value); // 7
    virtual void redrawAll(void* unused);                      // 8

    // At most one idle pass per 50 ms, with the host's idle call after it;
    // for controls that track the mouse inside a press.
    void throttledIdle();
    static uint32_t tickCount();

    // The window shows the editor at a zoom: every pixel a z × z block, the
    // rectangle z times the editor's size (DisplayZoom says where z comes
    // from). A scale that is not a positive number gives the choice back.
    void setHostScale(double scale);
    // The parent's monitor, or its DPI, changed while open: the host is
    // asked to resize for the zoom that now fits, and keeps its size if it
    // refuses.
    void displayChanged();
    int32_t getZoom() const { return zoom; }

    // The open editor's window as the platform's native handle (an HWND, an
    // X11 window id); null while closed.
    void* nativeWindow() const;
    // Shows or hides the open editor's window; false while closed.
    bool showWindow(bool visible);

    bool isUpdateRequested() const { return updateRequested != 0; }
    ViewFrame* getFrame() const { return frame; }
    EditorOwner* getOwner() const { return owner; }

    EditorBase(const EditorBase&) = delete;
    EditorBase& operator=(const EditorBase&) = delete;

protected:
    // The editor's own size; the rectangle hosts read is this zoomed.
    void setEditorSize(int16_t width, int16_t height);

    EditorOwner* owner;
    void* parentWindow = nullptr;
    int32_t updateRequested = 0;
    EditorRect rect{};
    ViewFrame* frame = nullptr;
    uint32_t lastIdleTime;

private:
    // Asks the host for room when the parent's screen wants another zoom.
    void followDisplay();
    void applyZoom(int32_t newZoom);

    int16_t width = 0, height = 0;
    DisplayZoom displayZoom;
    int32_t zoom = 1;
};
