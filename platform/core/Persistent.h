// Objects that can take their value from another object of a related class: colour sets, string
// lists, fonts. Assign asks the source to copy itself into the destination when the destination
// does not know the source's class, so either side may implement the copy.
#pragma once

#include <string>

#include "platform/core/Exception.h"

// An assignment between classes that do not know each other.
class EConvertError : public Exception {
 public:
  using Exception::Exception;
};

class TPersistent {
 public:
  TPersistent() = default;
  TPersistent(const TPersistent&) = default;
  TPersistent& operator=(const TPersistent&) = default;
  virtual ~TPersistent() = default;

  virtual std::string ClassName() const { return "TPersistent"; }
  // Takes the value of source. By default asks source.AssignTo(*this).
  virtual void Assign(const TPersistent& source);

 protected:
  // Copies this object's value into dest. By default there is no such copy: raises
  // EConvertError "Cannot assign a <this class> to a <dest class>".
  virtual void AssignTo(TPersistent& dest) const;
};
