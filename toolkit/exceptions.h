// The toolkit's exception classes. The base class is the one the whole setup
// program shares; the registry accessor raises its own subclass.
#pragma once

#include "common/exception.h"

namespace toolkit {

// A registry read that cannot be carried out, e.g. a value of the wrong type.
class ERegistryException : public Exception {
 public:
  using Exception::Exception;
};

}  // namespace toolkit
