// SPDX-License-Identifier: MIT
#pragma once
// The game's effect: four named programs, two stereo pins, the game's names,
// and the sound synthesizer that mixes the game's sounds into the audio.

#include "game/RandomStream.h"
#include "game/SoundEvents.h"
#include "plugin/PluginEffectEx.h"

class EndOfBlockViews;

struct ProgramRecord {
    ProgramRecord();
    char name[24];
};

class GameEffectBase : public PluginEffectEx {
public:
    static constexpr int32_t kNumPrograms = 4;

    explicit GameEffectBase(HostCallback hostCallback);
    ~GameEffectBase() override;

    void setParameter(int32_t index, float value) override;
    float getParameter(int32_t index) override;
    void process(float** inputs, float** outputs, int32_t sampleFrames) override;
    void processReplacing(float** inputs, float** outputs, int32_t sampleFrames) override;
    void setProgram(int32_t program) override;
    void setProgramName(char* name) override;
    void getProgramName(char* name) override;
    void getParameterLabel(int32_t index, char* label) override;
    void getParameterDisplay(int32_t index, char* text) override;
    void getParameterName(int32_t index, char* text) override;
    float getVu() override;
    void suspend() override;
    void resume() override;
    bool getProgramNameIndexed(int32_t category, int32_t index, char* text) override;
    bool copyProgram(int32_t destination) override;
    bool getInputProperties(int32_t index, void* pin) override;
    bool getOutputProperties(int32_t index, void* pin) override;
    bool getEffectName(char* name) override;
    bool getVendorString(char* text) override;
    bool getProductString(char* text) override;
    int32_t getVendorVersion() override;

    SoundEvents& soundEvents() { return events; }
    // The interface thread's stream: the game draws from it.
    RandomStream& gameRandom() { return interfaceRandom; }
    RandomStream& synthRandom() { return audioRandom; }
    void setEndOfBlockViews(EndOfBlockViews* views) { blockViews = views; }

protected:
    // After every block: while the editor is open, nudge its views.
    void endOfBlock();

    ProgramRecord* programs = nullptr;
    SoundEvents events;

private:
    RandomStream audioRandom;
    RandomStream interfaceRandom;
    EndOfBlockViews* blockViews = nullptr;
};
