// SPDX-License-Identifier: MIT
#pragma once
// The extended effect: opcodes 25 to 58, the rest of the host-callback
// wrappers and the extended defaults. Appends slots 46 to 120.

#include "plugin/PluginEffect.h"

class PluginEffectEx : public PluginEffect {
public:
    PluginEffectEx(HostCallback hostCallback, int32_t numPrograms, int32_t numParams);
    ~PluginEffectEx() override;

    intptr_t dispatcher(int32_t opcode, int32_t index, intptr_t value, void* ptr,
                        float opt) override;

    virtual void wantEvents(int32_t filter);                                    // 46
    virtual void* getTimeInfo(int32_t filter);                                  // 47
    virtual int32_t getTempoAt(int32_t position);                               // 48
    virtual int32_t processEvents(void* events);                                // 49
    virtual int32_t getNumAutomatableParams();                                  // 50
    virtual int32_t getParamQuantization();                                     // 51
    virtual bool canParameterBeAutomated(int32_t index);                        // 52
    virtual bool textToParameter(int32_t index, char* text);                    // 53
    virtual float getChannelValue(int32_t channel, int32_t index);              // 54
    virtual int32_t getNumProgramCategories();                                  // 55
    virtual bool getProgramNameIndexed(int32_t category, int32_t index, char* text);  // 56
    virtual bool copyProgram(int32_t destination);                              // 57
    virtual bool ioChanged();                                                   // 58
    virtual bool needIdle();                                                    // 59
    virtual bool sizeWindow(int32_t width, int32_t height);                     // 60
    virtual float updateSampleRate();                                           // 61
    virtual int32_t updateBlockSize();                                          // 62
    virtual int32_t getInputLatency();                                          // 63
    virtual int32_t getOutputLatency();                                         // 64
    virtual EffectRecord* getPreviousPlug(int32_t input);                       // 65
    virtual EffectRecord* getNextPlug(int32_t output);                          // 66
    virtual void inputConnected(int32_t index, bool state);                     // 67
    virtual void outputConnected(int32_t index, bool state);                    // 68
    virtual bool getInputProperties(int32_t index, void* pin);                  // 69
    virtual bool getOutputProperties(int32_t index, void* pin);                 // 70
    virtual int32_t getPluginCategory();                                        // 71
    virtual int32_t getHostProcessMode();                                       // 72
    virtual int32_t getCurrentProcessLevel();                                   // 73
    virtual int32_t getAutomationState();                                       // 74
    virtual void setFlag0400(bool state);                                       // 75
    virtual void setFlag0800(bool state);                                       // 76
    virtual int32_t getCurrentPosition();                                       // 77
    virtual float* getDestinationBuffer();                                      // 78
    virtual bool offlineRead(void* task, int32_t option, bool readSource);      // 79
    virtual bool offlineWrite(void* task, int32_t option);                      // 80
    virtual bool offlineStart(void* files, int32_t numFiles, int32_t numNewFiles);  // 81
    virtual int32_t offlineGetCurrentPass();                                    // 82
    virtual int32_t offlineGetCurrentMetaPass();                                // 83
    virtual bool offlineNotify(void* files, int32_t count, bool start);         // 84
    virtual bool offlinePrepare(void* task, int32_t count);                     // 85
    virtual bool offlineRun(void* task, int32_t count);                         // 86
    virtual int32_t offlineGetNumPasses();                                      // 87
    virtual int32_t offlineGetNumMetaPasses();                                  // 88
    virtual void setOutputSampleRate(float rate);                               // 89
    virtual bool getSpeakerArrangement(void* input, void* output);              // 90
    virtual bool getHostVendorString(char* text);                               // 91
    virtual bool getHostProductString(char* text);                              // 92
    virtual int32_t getHostVendorVersion();                                     // 93
    virtual intptr_t hostVendorSpecific(int32_t a, intptr_t b, void* p, float f);  // 94
    virtual int32_t canHostDo(char* text);                                      // 95
    virtual void setIsSynth(bool state);                                        // 96
    virtual void setNoTail(bool state);                                         // 97
    virtual int32_t getHostLanguage();                                          // 98
    virtual void* openHostWindow(void* window);                                 // 99
    virtual bool closeHostWindow(void* window);                                 // 100
    virtual void* getHostDirectory();                                           // 101
    virtual bool updateHostDisplay();                                           // 102
    virtual bool processVariableIo(void* io);                                   // 103
    virtual bool setSpeakerArrangement(void* input, void* output);              // 104
    virtual void setBlockSizeAndSampleRate(int32_t size, float rate);           // 105
    virtual bool setBypass(bool state);                                         // 106
    virtual bool getEffectName(char* name);                                     // 107
    virtual bool getErrorText(char* text);                                      // 108
    virtual bool getVendorString(char* text);                                   // 109
    virtual bool getProductString(char* text);                                  // 110
    virtual int32_t getVendorVersion();                                         // 111
    virtual intptr_t vendorSpecific(int32_t a, intptr_t b, void* p, float f);   // 112
    virtual int32_t canDo(char* text);                                          // 113
    virtual void* getIcon();                                                    // 114
    virtual bool setViewPosition(int32_t x, int32_t y);                         // 115
    virtual int32_t getTailSize();                                              // 116
    virtual int32_t onIdle();                                                   // 117
    virtual bool getParameterProperties(int32_t index, void* properties);       // 118
    virtual bool needsKeys();                                                   // 119
    virtual int32_t getInterfaceVersion();                                      // 120

    bool sendEventsToHost(void* events);
};
