#pragma once
// The effect the module hands to hosts: the game effect with its editor.

#include "plugin/GameEffectBase.h"

class GamePlugin : public GameEffectBase {
public:
    // Makes the editor for a new effect; null means it could not be allocated.
    // While no factory is set the effect has no editor.
    using EditorFactory = EditorBase* (*)(GamePlugin& plugin);
    static EditorFactory editorFactory;

    explicit GamePlugin(HostCallback hostCallback);

    void setParameter(int32_t index, float value) override;
};
