#pragma once
// What the end of every audio block updates in an open editor: the game
// view's value (which makes it step at the next idle) and the two number
// displays. The editor implements it; the effect only calls it.

class EndOfBlockViews {
public:
    virtual ~EndOfBlockViews() = default;
    // True when the views exist and the editor's images are loaded.
    virtual bool viewsReady() = 0;
    // Gives the game view its new value and the displays the score and lives.
    virtual void updateViews(float gameValue) = 0;
};
