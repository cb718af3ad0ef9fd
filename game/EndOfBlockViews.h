// SPDX-License-Identifier: MIT
#pragma once
// What the end of every audio block updates in an open editor: the game
// view's value (which makes it step at the next idle) and the two number
// displays. The editor implements it; the effect only calls it, from the
// audio thread.

class RandomStream;

class EndOfBlockViews {
public:
    virtual ~EndOfBlockViews() = default;
    // Touches nothing unless the views exist and the editor's images are
    // loaded; then draws the game view's new value from `random`. Never waits.
    virtual void updateViews(RandomStream& random) = 0;
};
