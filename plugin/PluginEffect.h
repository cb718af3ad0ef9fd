// SPDX-License-Identifier: MIT
#pragma once
// The base of every effect: owns the record the host sees, answers the basic
// opcodes 0 to 24 and holds the plain defaults. Virtual operations are
// declared in their slot order (0 to 45); the order is part of the interface.

#include "gui/EditorOwner.h"
#include "interface/EffectRecord.h"
#include "interface/Opcodes.h"

class EditorBase;

class PluginEffect {
public:
    PluginEffect(HostCallback hostCallback, int32_t numPrograms, int32_t numParams);
    virtual ~PluginEffect();                                             // 0

    virtual void setParameter(int32_t index, float value);               // 1
    virtual float getParameter(int32_t index);                           // 2
    virtual void setParameterAutomated(int32_t index, float value);      // 3
    virtual void process(float** inputs, float** outputs, int32_t sampleFrames) = 0;  // 4
    virtual void processReplacing(float** inputs, float** outputs, int32_t sampleFrames);
    virtual intptr_t dispatcher(int32_t opcode, int32_t index, intptr_t value, void* ptr,
                                float opt);                              // 6
    virtual void open();                                                 // 7
    virtual void close();                                                // 8
    virtual int32_t getProgram();                                        // 9
    virtual void setProgram(int32_t program);                            // 10
    virtual void setProgramName(char* name);                             // 11
    virtual void getProgramName(char* name);                             // 12
    virtual void getParameterLabel(int32_t index, char* label);          // 13
    virtual void getParameterDisplay(int32_t index, char* text);         // 14
    virtual void getParameterName(int32_t index, char* text);            // 15
    virtual float getVu();                                               // 16
    virtual int32_t getChunk(void** data, bool isPreset);                // 17
    virtual int32_t setChunk(void* data, int32_t byteSize, bool isPreset);  // 18
    virtual void setSampleRate(float rate);                              // 19
    virtual void setBlockSize(int32_t size);                             // 20
    virtual void suspend();                                              // 21
    virtual void resume();                                               // 22
    virtual void setUniqueId(int32_t id);                                // 23
    virtual void setNumInputs(int32_t count);                            // 24
    virtual void setNumOutputs(int32_t count);                           // 25
    virtual void setHasVu(bool state);                                   // 26
    virtual void setHasClip(bool state);                                 // 27
    virtual void setCanMono(bool state);                                 // 28
    virtual void setCanReplacing(bool state);                            // 29
    virtual void setProgramsAreChunks(bool state);                       // 30
    virtual void setRealtimeQualities(int32_t qualities);                // 31
    virtual void setOfflineQualities(int32_t qualities);                 // 32
    virtual void setInitialDelay(int32_t delay);                         // 33
    virtual float getSampleRate();                                       // 34
    virtual int32_t getBlockSize();                                      // 35
    virtual int32_t getHostVersion();                                    // 36
    virtual int32_t getHostCurrentId();                                  // 37
    virtual void hostIdle();                                             // 38
    virtual bool isInputConnected(int32_t input);                        // 39
    virtual bool isOutputConnected(int32_t output);                      // 40
    virtual void dbToText(float value, char* text);                      // 41
    virtual void hzToText(float samples, char* text);                    // 42
    virtual void msToText(float samples, char* text);                    // 43
    virtual void floatToText(float value, char* text);                   // 44
    virtual void intToText(int32_t value, char* text);                   // 45

    // Registers the editor and sets or clears the has-editor flag.
    void setEditor(EditorBase* newEditor);
    EditorBase* getEditor() const { return editor; }
    // What the effect's editor reaches of it.
    EditorOwner* editorOwner() { return &ownerLink; }
    EffectRecord* getRecord() { return &record; }

    PluginEffect(const PluginEffect&) = delete;
    PluginEffect& operator=(const PluginEffect&) = delete;

protected:
    void setFlag(int32_t flag, bool state);
    bool hasFlag(int32_t flag) const { return (record.flags & flag) != 0; }
    // One call into the host; 0 when there is no host callback.
    intptr_t callHost(int32_t opcode, int32_t index = 0, intptr_t value = 0,
                      void* ptr = nullptr, float opt = 0.0f);

    float sampleRate = 44100.0f;
    EditorBase* editor = nullptr;
    HostCallback hostCallback;
    int32_t numPrograms;
    int32_t numParams;
    int32_t curProgram = 0;
    int32_t blockSize = 1024;
    EffectRecord record;

private:
    class OwnerLink final : public EditorOwner {
    public:
        explicit OwnerLink(PluginEffect& effect) : effect(effect) {}
        void setEditor(EditorBase* editor) override { effect.setEditor(editor); }
        void hostIdle() override { effect.hostIdle(); }
        bool sizeWindow(int32_t width, int32_t height) override {
            return effect.callHost(hostSizeWindow, width, height) != 0;
        }

    private:
        PluginEffect& effect;
    };
    OwnerLink ownerLink{*this};
};
