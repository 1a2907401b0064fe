#include "temporary_config_home.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>

namespace quorin::test {
namespace {

std::unique_ptr<QTemporaryDir> folder;

// Settings paths are fixed at the first use of QSettings, so the variable is
// set once for the whole test program, before any test.
class ConfigHomeEnvironment : public testing::Environment {
public:
    void SetUp() override {
        folder = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(folder->isValid());
        setenv("XDG_CONFIG_HOME", folder->path().toUtf8().constData(), 1);
    }
    void TearDown() override { folder.reset(); }
};

[[maybe_unused]] testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new ConfigHomeEnvironment);

}  // namespace

const QString& TemporaryConfigHome() {
    static const QString path = folder->path();
    return path;
}

QString FreshSettingsFile() {
    static int counter = 0;
    return QDir(TemporaryConfigHome()).filePath(QStringLiteral("map-%1.ini").arg(++counter));
}

}  // namespace quorin::test

// fontconfig keeps its configuration for the life of the process; a sanitized
// build would otherwise report it as a leak.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so"; }
