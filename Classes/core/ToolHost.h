#pragma once
// What a tool screen asks of the screen it is laid over, the home screen: the home screen's class
// derives from this as well as from CommonViewController, and is the application delegate's
// homeScreen().

class ToolHost {
  public:
    virtual ~ToolHost() = default;

    // Main thread, when a tool that keeps its own data file is left: the home screen brings what
    // depends on the user's data up to date.
    virtual void update() = 0;
    // On the saving thread of a tool that was left, before its data are written: the home
    // screen's statistics are brought up to date when `canUpdate` holds. The home screen passes
    // what touches its views to the main thread itself.
    virtual void updateStatistcs(bool canUpdate) = 0;
};
