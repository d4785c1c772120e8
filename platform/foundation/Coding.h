#pragma once
// What a model implements to be archived: it writes its values under string keys and reads them
// back. A model that is archivable derives from Object and Coding and registers its class with the
// ClassRegistry, so that an archive can name it and make it again.

namespace fnd {

class KeyedArchiver;
class KeyedUnarchiver;

class Coding {
  public:
    virtual ~Coding() = default;
    // Writes the object's values. Encoding must not change the object.
    virtual void encodeWithCoder(KeyedArchiver& coder) const = 0;
    // Reads the values into an object the registry's factory has just made. An object that takes
    // part in a cycle may be handed to others before this returns.
    virtual void initWithCoder(KeyedUnarchiver& coder) = 0;
};

}  // namespace fnd
