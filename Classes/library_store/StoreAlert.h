#pragma once
// The store's alerts: a title, a message and one "Ok" button.

#include <functional>
#include <string>

class StoreAlert {
  public:
    // Shows an alert (title, message).
    using Presenter = std::function<void(const std::string&, const std::string&)>;
    static void show(const std::string& title, const std::string& message);
};
