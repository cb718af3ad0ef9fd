#pragma once
// What an editor reaches of the effect it belongs to: it registers itself
// there when made, and asks the host for idle time while it tracks a press.

class EditorBase;

class EditorOwner {
public:
    virtual void setEditor(EditorBase* editor) = 0;
    virtual void hostIdle() = 0;

protected:
    ~EditorOwner() = default;
};
