// SPDX-License-Identifier: MIT
#include "gui/ViewFrame.h"

#include <algorithm>
#include <cstdio>

#include "gui/Bitmap.h"
#include "gui/DrawContext.h"
#include "gui/EditorBase.h"
#include "gui/ModuleInstance.h"

using namespace platform;

namespace {
// One window class per loaded module, shared by all its frames.
int32_t classUseCount = 0;

const char* className() {
    static char name[32];
    std::snprintf(name, sizeof name, "Plugin%08x", unsigned(uintptr_t(moduleInstance)));
    return name;
}

ViewFrame* frameOf(Window window) { return static_cast<ViewFrame*>(windowUserData(window)); }
}  // namespace

ViewFrame::ViewFrame(const Rect& rect, void* parent, EditorBase* editor)
    : View(rect), editor(editor), parentWindow(static_cast<Window>(parent)) {
    createWindow();
}

void ViewFrame::createWindow() {
    if (!parentWindow) return;
    usesClass = true;
    if (classUseCount++ == 0) registerWindowClass(className(), windowProc, moduleInstance);
    frameWindow = createChildWindow(className(), parentWindow, size.width(), size.height(),
                                    moduleInstance, editor ? editor->getZoom() : 1);
    if (frameWindow) setWindowUserData(frameWindow, this);
}

ViewFrame::~ViewFrame() {
    if (focus) {
        focus->onBlur();
        focus = nullptr;
    }
    for (View* child : children) delete child;
    children.clear();
    setBackgroundBitmap(nullptr);
    // A window the host already destroyed is not destroyed again.
    if (frameWindow && open) {
        setWindowUserData(frameWindow, nullptr);
        destroyWindow(frameWindow);
    }
    if (usesClass && --classUseCount == 0) unregisterWindowClass(className(), moduleInstance);
}

intptr_t ViewFrame::windowProc(Window window, uint32_t message, uintptr_t wParam,
                               intptr_t lParam) {
    ViewFrame* frame = frameOf(window);
    if (frame) {
        switch (message) {
        case msgPaint:
            if (hasUpdateRegion(window)) {
                PaintState state{};
                Dc dc = beginPaint(window, state);
                {
                    DrawContext context(frame, dc, window);
                    frame->paint(&context);
                }
                endPaint(window, state);
            }
            break;
        case msgLeftButtonDown:
        case msgRightButtonDown: {
            Dc dc = getDc(window);
            {
                DrawContext context(frame, dc, window);
                auto position = uint32_t(uintptr_t(lParam));
                Point where{int32_t(position & 0xFFFF), int32_t(position >> 16)};
                frame->onMouseDown(&context, where);
            }
            releaseDc(window, dc);
            break;
        }
        case msgDestroy:
            frame->open = false;
            frame->parentWindow = nullptr;
            break;
        case msgDpiChanged:
            if (frame->editor) frame->editor->displayChanged();
            break;
        default:
            break;
        }
    }
    return defaultWindowProc(window, message, wParam, lParam);
}

void ViewFrame::paint(DrawContext* context) {
    firstPaintPending = false;
    if (background)
        background->blit(context, Rect(0, 0, background->pixelWidth(), background->pixelHeight()),
                         Point(0, 0));
    for (View* child : children) child->paint(context);
    if (modal) modal->paint(context);
}

void ViewFrame::onMouseDown(DrawContext* context, Point where) {
    if (focus && !where.isInside(focus->getSize())) {
        focus->onBlur();
        focus = nullptr;
    }
    if (modal) {
        if (where.isInside(modal->getSize())) modal->onMouseDown(context, where);
        return;
    }
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        if (where.isInside((*it)->getSize())) {
            (*it)->onMouseDown(context, where);
            return;
        }
    }
}

void ViewFrame::refresh(DrawContext* context) {
    if (!open) return;
    if (modal) {
        modal->refresh(context);
        return;
    }
    for (View* child : children) child->refresh(context);
}

bool ViewFrame::attachChild(View* view) {
    if (!view) return false;
    try {
        if (children.size() == children.capacity()) children.reserve(children.size() + 10);
        children.push_back(view);
    } catch (const std::bad_alloc&) {
        return false;
    }
    view->setFrame(this);
    return true;
}

bool ViewFrame::detachChild(View* view) {
    auto it = std::find(children.begin(), children.end(), view);
    if (it != children.end()) children.erase(it);
    return true;
}

bool ViewFrame::hasChild(View* view) const {
    return std::find(children.begin(), children.end(), view) != children.end();
}

void ViewFrame::setBackgroundBitmap(Bitmap* bitmap) {
    if (background) background->release();
    background = bitmap;
    if (background) background->retain();
}

bool ViewFrame::setModal(View* view) {
    if (view && modal) return false;
    modal = view;
    return true;
}

void ViewFrame::repaintView(View* view) {
    if (!frameWindow || !open) return;
    Dc dc = getDc(frameWindow);
    {
        DrawContext context(this, dc, frameWindow);
        if (view && hasChild(view))
            view->paint(&context);
        else
            paint(&context);
    }
    releaseDc(frameWindow, dc);
}

void ViewFrame::refreshChanged() {
    if (!open || firstPaintPending || !frameWindow) return;
    Dc dc = getDc(frameWindow);
    {
        DrawContext context(this, dc, frameWindow);
        refresh(&context);
    }
    releaseDc(frameWindow, dc);
}
