// The objects that raise events and the typed event fields they carry. A
// form binds each field to one of its methods by the handler name that the
// form description gives.
#pragma once

#include <functional>
#include <string>

namespace toolkit {

// Anything that raises events: forms, controls, timers.
class Object {
 public:
  explicit Object(std::string name) : name_(std::move(name)) {}
  virtual ~Object() = default;
  const std::string& Name() const { return name_; }

 private:
  std::string name_;
};

// What closing a form does, as its close handler decides: nothing (the close
// is refused), hide the form, or free it once the current event is over.
enum class CloseAction { None, Hide, Free };

// void Handler(Object& sender); an empty field means nothing happens.
using NotifyEvent = std::function<void(Object& sender)>;
// void Handler(Object& sender, CloseAction& action); empty: the default action.
using CloseEvent = std::function<void(Object& sender, CloseAction& action)>;

}  // namespace toolkit
