#pragma once

#include "settings/message.h"
#include "settings/profile_session.h"
#include "settings/setting_fault.h"

#include <optional>

class PageModel;

// Sets every page setting to what its control would show of the model's
// value, as a view reads its controls back: a list shows a value beyond its
// items as no selection.
void ReadAsShown(PageModel &page);

// What a user does who opens the page and presses every dialog's OK and then
// the page's, without a widget: the page model opens on the session's record,
// the camera, sender and operator models store theirs (a model that refuses its
// loaded values is left as its Cancel leaves it), then the page stores.
// With `openedCard`, the page first takes the record's operator as after
// opening a PROFILE.BIN. Returns the page's refusal, if any. Core only: the
// fuzz targets use it too.
std::optional<SettingFault> StoreThroughForms(ProfileSession &session, bool openedCard = false);

// What a user does when the page refuses: sound values for every field a
// check looks at, then "OK" once more. Returns the page's answer.
std::optional<SettingFault> StoreCorrectedPage(ProfileSession &session);
