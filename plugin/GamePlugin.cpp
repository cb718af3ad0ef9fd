#include "plugin/GamePlugin.h"

#include "game/GameEditor.h"
#include "gui/EditorBase.h"
#include "plugin/ModuleState.h"

GamePlugin::EditorFactory GamePlugin::editorFactory = createGameEditor;

GamePlugin::GamePlugin(HostCallback hostCallback) : GameEffectBase(hostCallback) {
    setUniqueId(fourCharCode("Rv4m"));
    if (editorFactory) {
        setEditor(editorFactory(*this));
        if (!editor) moduleOutOfMemory = true;
    }
}

void GamePlugin::setParameter(int32_t index, float value) {
    GameEffectBase::setParameter(index, value);
    if (editor) editor->parameterChanged(index, value);
}
