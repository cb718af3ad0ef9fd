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

    bool isUpdateRequested() const { return updateRequested != 0; }
    ViewFrame* getFrame() const { return frame; }
    EditorOwner* getOwner() const { return owner; }

    EditorBase(const EditorBase&) = delete;
    EditorBase& operator=(const EditorBase&) = delete;

protected:
    EditorOwner* owner;
    void* parentWindow = nullptr;
    int32_t updateRequested = 0;
    EditorRect rect{};
    ViewFrame* frame = nullptr;
    uint32_t lastIdleTime;
};
