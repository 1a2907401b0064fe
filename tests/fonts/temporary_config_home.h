#pragma once
#include <QString>

namespace quorin::test {

// The folder that XDG_CONFIG_HOME points at while the fonts tests run: a fresh
// temporary folder, set before any test starts and removed at the end.
const QString& TemporaryConfigHome();

// A fresh INI file path inside it, different on every call.
QString FreshSettingsFile();

}  // namespace quorin::test
