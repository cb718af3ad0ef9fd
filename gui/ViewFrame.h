// SPDX-License-Identifier: MIT
#pragma once
// The editor's frame: a child window in the host's window and the ordered
// list of views in it. Turns the window's paint and press messages into
// calls on the views, and lets changed views redraw on every idle pass.

#include <cstddef>
#include <vector>

#include "gui/View.h"
#include "gui/platform/platform.h"

class Bitmap;
class EditorBase;

class ViewFrame : public View {
public:
    ViewFrame(const Rect& rect, void* parentWindow, EditorBase* editor);
    ~ViewFrame() override;                                     // 0
    void paint(DrawContext* context) override;                 // 1
    void onMouseDown(DrawContext* context, Point where) override;  // 2
    void refresh(DrawContext* context) override;               // 3
    virtual bool attachChild(View* view);                      // 7
    virtual bool detachChild(View* view);                      // 8

    void setBackgroundBitmap(Bitmap* bitmap);
    bool setModal(View* view);
    View* getModal() const { return modal; }
    void repaintView(View* view);
    void refreshChanged();
    View* getFocusView() const { return focus; }
    void setFocusView(View* view) { focus = view; }
    EditorBase* getEditor() const { return editor; }
    platform::Window window() const { return frameWindow; }
    bool isOpen() const { return open; }
    bool isFirstPaintPending() const { return firstPaintPending; }
    int32_t childCount() const { return int32_t(children.size()); }
    View* childAt(int32_t index) const { return children[size_t(index)]; }

    // The window procedure shared by every platform's message source.
    static intptr_t windowProc(platform::Window window, uint32_t message, uintptr_t wParam,
                               intptr_t lParam);

private:
    void createWindow();
    bool hasChild(View* view) const;

    EditorBase* editor;
    platform::Window parentWindow;
    Bitmap* background = nullptr;
    std::vector<View*> children;
    View* modal = nullptr;
    View* focus = nullptr;
    bool firstPaintPending = true;
    bool open = true;
    bool usesClass = false;
    platform::Window frameWindow = nullptr;
};
