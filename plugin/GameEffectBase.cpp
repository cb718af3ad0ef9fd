// SPDX-License-Identifier: MIT
#include "plugin/GameEffectBase.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <new>

#include "game/EndOfBlockViews.h"
#include "gui/EditorBase.h"
#include "plugin/SoundSynth.h"

namespace {
constexpr int32_t kPinLabelBytes = 64;
constexpr int32_t kPinStereoActive = 3;
constexpr size_t kTextBytes = 24;

// Every text the effect writes fits the hosts' 24-byte buffers.
void writeText(char* text, const char* value) {
    size_t length = std::min(std::strlen(value), kTextBytes - 1);
    std::memcpy(text, value, length);
    text[length] = 0;
}

bool writePin(int32_t index, void* pin, const char* format) {
    if (index < 0 || index > 1) return false;
    auto* bytes = static_cast<char*>(pin);
    std::snprintf(bytes, kPinLabelBytes, format, index + 1);
    std::memcpy(bytes + kPinLabelBytes, &kPinStereoActive, sizeof kPinStereoActive);
    return true;
}
}  // namespace

ProgramRecord::ProgramRecord() { writeText(name, "init"); }

GameEffectBase::GameEffectBase(HostCallback hostCallback)
    : PluginEffectEx(hostCallback, kNumPrograms, 0) {
    // The two threads draw from streams of their own, both seeded from the clock.
    auto now = uint32_t(std::time(nullptr));
    audioRandom.seed(now);
    interfaceRandom.seed(now ^ 0x9E3779B9u);
    setNumInputs(2);
    setNumOutputs(2);
    setUniqueId(fourCharCode("Tq7b"));
    setCanReplacing(true);
    setCanMono(true);
    programs = new (std::nothrow) ProgramRecord[kNumPrograms];
    if (programs) {
        writeText(programs[0].name, "normal");
        GameEffectBase::setProgram(0);
    }
    GameEffectBase::suspend();
}

GameEffectBase::~GameEffectBase() {
    // The editor goes while the effect is still whole rather than from the
    // base's destructor, and the end-of-block hook forgets it first.
    blockViews = nullptr;
    delete editor;
    editor = nullptr;
    delete[] programs;
}

void GameEffectBase::setParameter(int32_t, float) {
    if (editor) editor->requestUpdate();
}

float GameEffectBase::getParameter(int32_t) { return 0.0f; }

void GameEffectBase::process(float** inputs, float** outputs, int32_t sampleFrames) {
    synthesizeBlock(events, audioRandom, inputs, outputs, sampleFrames, OutputMode::Accumulate);
    endOfBlock();
}

void GameEffectBase::processReplacing(float** inputs, float** outputs, int32_t sampleFrames) {
    synthesizeBlock(events, audioRandom, inputs, outputs, sampleFrames, OutputMode::Replace);
    endOfBlock();
}

void GameEffectBase::endOfBlock() {
    if (events.editorOpen == 0 || !editor || !blockViews) return;
    blockViews->updateViews(audioRandom);
}

void GameEffectBase::setProgram(int32_t program) {
    curProgram = program;
    if (editor) editor->requestUpdate();
}

void GameEffectBase::setProgramName(char* name) {
    if (!programs) return;
    writeText(programs[curProgram].name, name);
}

void GameEffectBase::getProgramName(char* name) {
    if (!programs) {
        *name = 0;
        return;
    }
    const char* stored = programs[curProgram].name;
    if (std::strcmp(stored, "Init") == 0) {
        char numbered[40];
        std::snprintf(numbered, sizeof numbered, "%s %d", stored, curProgram + 1);
        writeText(name, numbered);
    } else {
        writeText(name, stored);
    }
}

// The effect has no parameters: their texts are left as the host gave them.
void GameEffectBase::getParameterLabel(int32_t, char*) {}
void GameEffectBase::getParameterDisplay(int32_t, char*) {}
void GameEffectBase::getParameterName(int32_t, char*) {}
float GameEffectBase::getVu() { return 0.0f; }
void GameEffectBase::suspend() {}
void GameEffectBase::resume() {}

bool GameEffectBase::getProgramNameIndexed(int32_t, int32_t index, char* text) {
    if (!programs || index < 0 || index >= numPrograms) return false;
    writeText(text, programs[index].name);
    return true;
}

bool GameEffectBase::copyProgram(int32_t destination) {
    if (!programs || destination < 0 || destination >= numPrograms) return false;
    programs[destination] = programs[curProgram];
    return true;
}

bool GameEffectBase::getInputProperties(int32_t index, void* pin) {
    return writePin(index, pin, "My %1d In");
}

bool GameEffectBase::getOutputProperties(int32_t index, void* pin) {
    return writePin(index, pin, "My %1d Out");
}

bool GameEffectBase::getEffectName(char* name) {
    writeText(name, "Kestrigo");
    return true;
}

bool GameEffectBase::getVendorString(char* text) {
    writeText(text, "Orvane");
    return true;
}

bool GameEffectBase::getProductString(char* text) {
    writeText(text, "Tolvaro");
    return true;
}

int32_t GameEffectBase::getVendorVersion() { return 1; }
