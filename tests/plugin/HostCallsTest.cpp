// SPDX-License-Identifier: MIT
// The effect's calls into the host: what each wrapper sends, what it makes of
// the answer, and what it answers when there is no host.

#include <gtest/gtest.h>

#include "interface/Opcodes.h"
#include "plugin/GamePlugin.h"
#include "tests/support/RecordingHost.h"

namespace {
class HostCalls : public testing::Test {
protected:
    void answerWith(intptr_t value) {
        host.answer = [value](const HostCall&) { return value; };
    }
    const HostCall& lastCall() { return host.calls.back(); }

    RecordingHost host;
    GamePlugin effect{RecordingHost::callback};
    GamePlugin hostless{nullptr};
    int marker = 0;
};
}  // namespace

TEST_F(HostCalls, EveryCallCarriesTheRecord) {
    host.calls.clear();
    effect.hostIdle();
    ASSERT_EQ(host.calls.size(), 1u);
    EXPECT_EQ(lastCall().effect, effect.getRecord());
    EXPECT_EQ(lastCall().opcode, hostIdleCall);
}

TEST_F(HostCalls, ArgumentsArePlacedAsTheHostExpects) {
    effect.setParameterAutomated(7, 0.5f);
    EXPECT_EQ(lastCall().opcode, hostAutomate);
    EXPECT_EQ(lastCall().index, 7);
    EXPECT_EQ(lastCall().value, 0);
    EXPECT_EQ(lastCall().opt, 0.5f);

    effect.isOutputConnected(1);
    EXPECT_EQ(lastCall().opcode, hostPinConnected);
    EXPECT_EQ(lastCall().index, 1);
    EXPECT_EQ(lastCall().value, 1);
    effect.isInputConnected(0);
    EXPECT_EQ(lastCall().value, 0);

    effect.sizeWindow(300, 200);
    EXPECT_EQ(lastCall().opcode, hostSizeWindow);
    EXPECT_EQ(lastCall().index, 300);
    EXPECT_EQ(lastCall().value, 200);

    effect.offlineStart(&marker, 5, 2);
    EXPECT_EQ(lastCall().opcode, hostOfflineStart);
    EXPECT_EQ(lastCall().index, 2);
    EXPECT_EQ(lastCall().value, 5);
    EXPECT_EQ(lastCall().ptr, &marker);

    effect.offlineRead(&marker, 9, true);
    EXPECT_EQ(lastCall().opcode, hostOfflineRead);
    EXPECT_EQ(lastCall().index, 1);
    EXPECT_EQ(lastCall().value, 9);

    effect.getSpeakerArrangement(&marker, &host);
    EXPECT_EQ(lastCall().opcode, hostSpeakerArrangement);
    EXPECT_EQ(lastCall().value, reinterpret_cast<intptr_t>(&marker));
    EXPECT_EQ(lastCall().ptr, &host);

    effect.hostVendorSpecific(3, 4, &marker, 1.5f);
    EXPECT_EQ(lastCall().opcode, hostVendorSpecificCall);
    EXPECT_EQ(lastCall().index, 3);
    EXPECT_EQ(lastCall().value, 4);
    EXPECT_EQ(lastCall().opt, 1.5f);

    effect.getNextPlug(6);  // the pin number is not sent
    EXPECT_EQ(lastCall().opcode, hostNextPlug);
    EXPECT_EQ(lastCall().index, 0);
    EXPECT_EQ(lastCall().value, 0);

    effect.setOutputSampleRate(22050.0f);
    EXPECT_EQ(lastCall().opcode, hostSetOutputRate);
    EXPECT_EQ(lastCall().opt, 22050.0f);

    effect.wantEvents(5);
    EXPECT_EQ(lastCall().opcode, hostWantEvents);
    EXPECT_EQ(lastCall().value, 5);
}

TEST_F(HostCalls, AnswersAreInterpreted) {
    answerWith(0);
    EXPECT_EQ(effect.getHostVersion(), 1);  // a 0 version reads as 1
    EXPECT_TRUE(effect.isInputConnected(0));  // 0 means connected
    EXPECT_FALSE(effect.ioChanged());
    EXPECT_FALSE(effect.sendEventsToHost(&marker));
    answerWith(1);
    EXPECT_FALSE(effect.isOutputConnected(0));
    EXPECT_TRUE(effect.sendEventsToHost(&marker));
    EXPECT_EQ(lastCall().opcode, hostProcessEvents);
    answerWith(7);
    EXPECT_EQ(effect.getHostVersion(), 7);
    EXPECT_FALSE(effect.sendEventsToHost(&marker));  // only exactly 1 is true
    EXPECT_EQ(effect.canHostDo(nullptr), 1);
    EXPECT_EQ(effect.offlineGetCurrentPass(), 1);
    EXPECT_EQ(effect.offlineGetCurrentMetaPass(), 1);
    EXPECT_TRUE(effect.needIdle());
    EXPECT_TRUE(effect.updateHostDisplay());
    EXPECT_EQ(effect.getHostVendorVersion(), 7);
    EXPECT_EQ(effect.getInputLatency(), 7);
    EXPECT_EQ(effect.getAutomationState(), 7);
    effect.setSampleRate(48000.0f);
    effect.setBlockSize(128);
    EXPECT_EQ(effect.updateSampleRate(), 48000.0f);  // the host's answer is ignored
    EXPECT_EQ(lastCall().opcode, hostGetSampleRate);
    EXPECT_EQ(effect.updateBlockSize(), 128);
    EXPECT_EQ(lastCall().opcode, hostGetBlockSize);
    answerWith(reinterpret_cast<intptr_t>(&marker));
    EXPECT_EQ(effect.getTimeInfo(0), &marker);
    EXPECT_EQ(effect.getHostDirectory(), &marker);
    EXPECT_EQ(effect.openHostWindow(nullptr), &marker);
}

TEST_F(HostCalls, WithoutAHostEachWrapperAnswersItsDefault) {
    hostless.setSampleRate(32000.0f);
    hostless.setBlockSize(77);
    EXPECT_EQ(hostless.getHostVersion(), 1);
    EXPECT_EQ(hostless.getHostCurrentId(), 0);
    EXPECT_TRUE(hostless.isInputConnected(0));
    EXPECT_TRUE(hostless.isOutputConnected(1));
    EXPECT_EQ(hostless.getTimeInfo(0), nullptr);
    EXPECT_FALSE(hostless.sendEventsToHost(&marker));
    EXPECT_EQ(hostless.getTempoAt(0), 0);
    EXPECT_FALSE(hostless.ioChanged());
    EXPECT_FALSE(hostless.needIdle());
    EXPECT_FALSE(hostless.sizeWindow(1, 1));
    EXPECT_EQ(hostless.updateSampleRate(), 32000.0f);
    EXPECT_EQ(hostless.updateBlockSize(), 77);
    EXPECT_EQ(hostless.getPreviousPlug(0), nullptr);
    EXPECT_FALSE(hostless.offlineStart(nullptr, 0, 0));
    EXPECT_EQ(hostless.offlineGetCurrentPass(), 0);
    EXPECT_FALSE(hostless.getHostVendorString(nullptr));
    EXPECT_EQ(hostless.canHostDo(nullptr), 0);
    EXPECT_EQ(hostless.openHostWindow(nullptr), nullptr);
    EXPECT_FALSE(hostless.closeHostWindow(nullptr));
    EXPECT_FALSE(hostless.updateHostDisplay());
    hostless.hostIdle();
    hostless.wantEvents(1);
    hostless.setParameterAutomated(0, 1.0f);  // nothing to call, nothing breaks
}
