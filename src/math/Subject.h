// The subject of an observer relation: a list of observers and a notification hook
// that does nothing unless a derived class gives it a meaning. The math server
// derives from it; no observer is attached to it today.
#pragma once

#include <vector>

namespace PV {

class Observer {
 public:
  virtual ~Observer() = default;
};

class Subject {
 public:
  virtual ~Subject() {}
  virtual void notify() {}

 protected:
  std::vector<Observer*> observers_;
};

}  // namespace PV
