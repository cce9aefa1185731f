#pragma once
// The embedded resources, looked up by string type name ("RT_FONT", "RT_RCDATA") and resource
// name, names without regard to case ("GreekC_FONT" finds GREEKC_FONT).
#include <QByteArray>
#include <QString>
#include <stdexcept>

namespace shell::qt {

class ResourceNotFound : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The whole block of bytes; a missing resource raises ResourceNotFound.
QByteArray loadResource(const QString& typeName, const QString& name);

}  // namespace shell::qt
