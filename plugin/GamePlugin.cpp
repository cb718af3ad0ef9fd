// SPDX-License-Identifier: MIT
#include "plugin/GamePlugin.h"

#include <new>

#include "game/GameEditor.h"
#include "gui/EditorBase.h"
#include "interface/EditorRect.h"
#include "interface/GameStatus.h"
#include "plugin/ModuleState.h"

namespace {
// The game's editor, which the audio callback's end-of-block hook reaches.
EditorBase* createGameEditor(GamePlugin& plugin) {
    auto* editor = new (std::nothrow)
        GameEditor(plugin.editorOwner(), plugin.soundEvents(), plugin.gameRandom());
    if (editor) plugin.setEndOfBlockViews(editor);
    return editor;
}
}  // namespace

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

intptr_t GamePlugin::vendorSpecific(int32_t index, intptr_t value, void* ptr, float opt) {
    if (index == kEditorScaleIndex && value == kEditorScaleValue) {
        if (!editor) return 0;
        editor->setHostScale(opt);
        return 1;
    }
    if (index != kStatusQueryIndex || value != kStatusQueryValue || !ptr) return 0;
    auto* status = static_cast<GameStatus*>(ptr);
    if (status->size != int32_t(sizeof(GameStatus))) return 0;
    auto* gameEditor = dynamic_cast<GameEditor*>(editor);
    if (!gameEditor) return 0;
    gameEditor->fillStatus(*status);
    return 1;
}
