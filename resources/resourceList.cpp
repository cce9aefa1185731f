#include "resourceList.h"

#include <QDir>

namespace tv_resources {

int embeddedResourceCount() {
  int count = 0;
  for (const char* type : {":/RT_FONT", ":/RT_RCDATA"}) count += QDir(QString::fromLatin1(type)).entryList(QDir::Files).size();
  return count;
}

}  // namespace tv_resources
