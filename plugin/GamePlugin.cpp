// SPDX-License-Identifier: MIT
#include "plugin/GamePlugin.h"

#include <new>

#include "game/GameEditor.h"
#include "gui/EditorBase.h"
#include "interface/EditorRect.h"
#include "interface/GameStatus.h"
#include "interface/SoundEventsQuery.h"
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
    if (index == kSoundEventsQueryIndex && value == kSoundEventsQueryValue) {
        if (!ptr) return 0;
        *static_cast<void**>(ptr) = &soundEvents();
        return 1;
    }
    if (index == kEditorQueryIndex && value != kStatusQueryValue) return editorQuery(value, ptr, opt);
    if (index != kStatusQueryIndex || value != kStatusQueryValue || !ptr) return 0;
    auto* status = static_cast<GameStatus*>(ptr);
    if (status->size != int32_t(sizeof(GameStatus))) return 0;
    auto* gameEditor = dynamic_cast<GameEditor*>(editor);
    if (!gameEditor) return 0;
    gameEditor->fillStatus(*status);
    return 1;
}

intptr_t GamePlugin::editorQuery(intptr_t value, void* ptr, float opt) {
    if (!editor) return 0;
    switch (value) {
    case kEditorScaleValue:
        editor->setHostScale(opt);
        return 1;
    case kEditorWindowValue:
        if (!ptr || !editor->nativeWindow()) return 0;
        *static_cast<void**>(ptr) = editor->nativeWindow();
        return 1;
    case kEditorShowValue:
    case kEditorHideValue:
        return editor->showWindow(value == kEditorShowValue) ? 1 : 0;
    default:
        return 0;
    }
}
