// SPDX-License-Identifier: MIT
#pragma once
// What an editor reaches of the effect it belongs to: it registers itself
// there when made, asks the host for idle time while it tracks a press, and
// for a window of another size when its zoom must change.

#include <cstdint>

class EditorBase;

class EditorOwner {
public:
    virtual void setEditor(EditorBase* editor) = 0;
    virtual void hostIdle() = 0;
    // False when the host will not resize.
    virtual bool sizeWindow(int32_t width, int32_t height) = 0;

protected:
    ~EditorOwner() = default;
};
