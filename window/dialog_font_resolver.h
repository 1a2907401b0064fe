#pragma once
#include <QPointer>
#include <QWidget>

#include "app/user_messages.h"
#include "core/cancel_request.h"
#include "core/font_resolver.h"
#include "fonts/font_catalog.h"
#include "fonts/font_map.h"

namespace quorin {

// The font answers of the window: the font map's three entries when it holds
// them all, otherwise the person's choice in the font selection dialog, which
// is then remembered. A cancelled dialog (or a batch already cancelled) gives
// the map's entries as they are, possibly empty, with the cancel request set.
// Shows widgets: call it on the window's (GUI) thread only; each call is
// independent, so it may be called any number of times.
class DialogFontResolver : public FontResolver {
public:
    // matcher: the system's substitutes the dialog may preselect; null for none.
    DialogFontResolver(const FontMap& map, const FontCatalog& catalog, UserMessages& messages,
                       CancelRequest& cancel, QWidget* parent, const FontMatcher* matcher = nullptr);

    FontSubstitutes LookupSubstitutes(const std::string& wordPerfectName) override;
    // The dialog names the document that asks.
    FontSubstitutes LookupSubstitutesFor(const std::string& documentPath, const std::string& wordPerfectName) override;

private:
    const FontMap& map_;
    const FontCatalog& catalog_;
    const FontMatcher* matcher_;
    UserMessages& messages_;
    CancelRequest& cancel_;
    QPointer<QWidget> parent_;
};

}  // namespace quorin
