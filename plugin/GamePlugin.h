// SPDX-License-Identifier: MIT
#pragma once
// The effect the module hands to hosts: the game effect with its editor.

#include "plugin/GameEffectBase.h"

class GamePlugin : public GameEffectBase {
public:
    // Makes the editor for a new effect; null means it could not be allocated.
    // Tests replace it to reach that path, or clear it for an effect without one.
    using EditorFactory = EditorBase* (*)(GamePlugin& plugin);
    static EditorFactory editorFactory;

    explicit GamePlugin(HostCallback hostCallback);

    void setParameter(int32_t index, float value) override;
    // Answers the project's own status query (interface/GameStatus.h) and the
    // editor requests (interface/EditorRect.h); 0 otherwise.
    intptr_t vendorSpecific(int32_t index, intptr_t value, void* ptr, float opt) override;

private:
    intptr_t editorQuery(intptr_t value, void* ptr, float opt);
};
