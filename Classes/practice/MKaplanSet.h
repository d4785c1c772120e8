#pragma once
// Builder of built-in content: appends its questions and passages to the set it is given.

#include <memory>

class MQSet;

class MKaplanSet {
  public:
    static void fillSet(const std::shared_ptr<MQSet>& set);
};
