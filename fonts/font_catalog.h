#pragma once
#include <QList>
#include <QString>

namespace quorin {

// One outline font family installed on the machine and one script it covers.
// Script names are those of the font table's list entries: "Western",
// "Hebrew", "Arabic", "Cyrillic", "Greek", "Turkish", "Baltic",
// "Central European", "Vietnamese", "Thai".
struct InstalledFace {
    QString family;
    QString script;

    bool operator==(const InstalledFace&) const = default;
};

// The fonts the font lists are made from.
class FontCatalog {
public:
    virtual ~FontCatalog() = default;
    virtual QList<InstalledFace> Faces() const = 0;
};

// The system's own substitute for a font name it may not have: the installed
// family it would draw text of one script (a script name as above) with.
class FontMatcher {
public:
    virtual ~FontMatcher() = default;
    // Empty when the system has no answer.
    virtual QString MatchFamily(const QString& name, const QString& script) const = 0;
};

}  // namespace quorin
