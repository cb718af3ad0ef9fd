// SPDX-License-Identifier: MIT
#pragma once
// The toolkit side of a plug-in's editor: what the effect holds and what the
// host's editor requests reach. Virtual operations in slot order 0 to 8.

#include <cstdint>

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
    // rectangle z times the editor's size. The host's scale decides it when
    // the host gives one, else the user's or the screen's (displayScale).
    // A scale that is not a positive number gives the choice back.
    void setHostScale(double scale);
    // The parent's monitor, or its DPI, changed while open: the host is
    // asked to resize for the zoom that now fits, and keeps its size if it
    // refuses.
    void displayChanged();
    int32_t getZoom() const { return zoom; }
    // The nearest whole zoom, 1 to kMaxZoom; 1.5 gives 2.
    static int32_t zoomForScale(double scale);

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
    int32_t chosenZoom(void* parent) const;
    void applyZoom(int32_t newZoom);

    int16_t width = 0, height = 0;
    double hostScale = 0.0;  // 0 while the host has given none
    int32_t zoom = 1;
};
