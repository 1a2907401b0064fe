#include "window/summary_text.h"

#include <QCoreApplication>

namespace quorin {

namespace {

QString Count(const char* text, int count) { return QCoreApplication::translate("Summary", text, nullptr, count); }

}  // namespace

// The parts of the command line's line, counts of nothing left out but for
// the files converted.
QString SummaryText(const texts::SummaryCounts& counts) {
    QStringList parts = {Count(QT_TRANSLATE_N_NOOP("Summary", "%n converted"), counts.converted)};
    auto add = [&parts](const char* text, int count) {
        if (count > 0) parts << Count(text, count);
    };
    add(QT_TRANSLATE_N_NOOP("Summary", "%n failed"), counts.failed);
    add(QT_TRANSLATE_N_NOOP("Summary", "%n skipped (empty)"), counts.empty);
    add(QT_TRANSLATE_N_NOOP("Summary", "%n skipped (output exists)"), counts.kept);
    add(QT_TRANSLATE_N_NOOP("Summary", "%n protected"), counts.locked);
    add(QT_TRANSLATE_N_NOOP("Summary", "%n not converted (cancelled)"), counts.cancelled);
    //: Between the parts of the summary line.
    return parts.join(QCoreApplication::translate("Summary", ", "));
}

}  // namespace quorin
