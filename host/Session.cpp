// SPDX-License-Identifier: MIT
#include "host/Session.h"

#include <algorithm>
#include <chrono>

#include "host/formats/Formats.h"

std::unique_ptr<Session> Session::open(const std::string& module, const char* title,
                                       std::string& error, int32_t zoom) {
    auto session = std::make_unique<Session>();
    session->hosted = loadEffect(module, error);
    if (!session->hosted || !session->hosted->start(kRate, kBlock, error)) return nullptr;
    if (zoom && !session->hosted->setZoom(zoom, error)) return nullptr;
    int32_t width = 0, height = 0;
    if (!session->hosted->editorSize(width, height)) {
        error = "the effect has no editor";
        return nullptr;
    }
    session->hostWindow =
        HostWindow::create(std::max(width, 1), std::max(height, 1), title, error);
    if (!session->hostWindow) return nullptr;
    return session;
}

Session::~Session() { finish(); }

bool Session::openEditor() {
    bool opened = hosted->openEditor(*hostWindow);
    editorOpen = true;
    hostWindow->pumpEvents();
    return opened;
}

void Session::closeEditor() {
    hosted->closeEditor();
    editorOpen = false;
}

void Session::streamAudio(AudioInput input, size_t keepFrames) {
    stream = std::make_unique<AudioStream>(*hosted, kRate, kBlock, input, keepFrames);
    stream->startPaced();
}

bool Session::playAudio(std::string& error) {
    stream = std::make_unique<AudioStream>(*hosted, kRate, kBlock, AudioInput::silence, 0);
    if (stream->startOnDevice(error)) return true;
    stream->startPaced();
    return false;
}

void Session::stopAudio() {
    if (stream) stream->stop();
}

void Session::runIdles(int32_t count, const std::function<bool(int32_t idle)>& beforeIdle) {
    IdleClock::TimePoint tick = clock->now();
    for (int32_t idle = 0; count < 0 || idle < count; ++idle) {
        if (!hostWindow->pumpEvents() || (beforeIdle && !beforeIdle(idle))) break;
        if (idle > 0) {
            tick += std::chrono::microseconds(1000000 / kIdleHz);
            clock->sleepUntil(tick);
        }
        idleTimes.measure([this] { hosted->idleEditor(); });
    }
}

void Session::finish() {
    if (!hosted) return;
    stopAudio();
    if (editorOpen) closeEditor();
    hosted->stop();
    hosted.reset();
}
