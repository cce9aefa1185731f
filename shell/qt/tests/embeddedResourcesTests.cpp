// The embedded resources: present in a program that links only shell_qt, byte for byte the
// committed files, found by type and name without regard to case.
#include <gtest/gtest.h>

#include <QFile>

#include "embeddedResources.h"
#include "resourceList.h"

namespace {

using shell::qt::loadResource;
using shell::qt::ResourceNotFound;

QByteArray sourceBytes(const char* file) {
  QFile source(QStringLiteral(TV_RESOURCE_SOURCE_DIR "/") + QString::fromLatin1(file));
  if (!source.open(QIODevice::ReadOnly)) return {};
  return source.readAll();
}

class EmbeddedResource : public testing::TestWithParam<tv_resources::EmbeddedResource> {};

TEST_P(EmbeddedResource, CarriesTheCommittedFileByteForByte) {
  const auto& resource = GetParam();
  const QByteArray expected = sourceBytes(resource.sourceFile);
  ASSERT_FALSE(expected.isEmpty()) << resource.sourceFile;
  EXPECT_EQ(loadResource(QString::fromLatin1(resource.typeName), QString::fromLatin1(resource.name)), expected);
}

INSTANTIATE_TEST_SUITE_P(All, EmbeddedResource, testing::ValuesIn(tv_resources::kEmbeddedResources),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
