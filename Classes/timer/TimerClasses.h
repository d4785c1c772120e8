#pragma once
// The timer's screens as the program knows them: their owner tables, registered for the
// interface-file checks, and what their actions share.

#include "platform/ui/ConnectionTable.h"

class TimerClasses {
  public:
    // The closing keys' tags and notifications of the timer's overlays and screens.
    static constexpr int kDoneTag = 1;
    static constexpr int kCancelTag = -1;
    static constexpr const char* kDoneNotification = "Done";
    static constexpr const char* kCancelNotification = "Cancel";

    static void registerAll();
    // The tag of the key (a view or a bar item) that sent an action; 0 for any other sender.
    static int senderTag(const ui::ConnectionTable::Sender& sender);
    // "Done" for the key tagged 1, "Cancel" for -1, nothing for others.
    static const char* closingNotification(int tag);
};
