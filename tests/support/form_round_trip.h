#pragma once

#include "forms/message.h"
#include "forms/page_values.h"
#include "forms/profile_session.h"

#include <optional>

// The page's controls as they show its values: a list shows a value beyond
// its items as no selection.
PageControls ControlsShowing(const PageValues &values);

// What a user does who opens the page and presses every dialog's OK and then
// the page's, without a widget: the page form opens on the session's record,
// the camera, sender and operator forms store theirs (a form that refuses its
// loaded values is left as its Cancel leaves it), then the page stores.
// With `openedCard`, the page first takes the record's operator as after
// opening a PROFILE.BIN. Returns the page's refusal, if any. Core only: the
// fuzz targets use it too.
std::optional<Message> StoreThroughForms(ProfileSession &session, bool openedCard = false);

// What a user does when the page refuses: sound values for every field a
// check looks at, then "OK" once more. Returns the page's answer.
std::optional<Message> StoreCorrectedPage(ProfileSession &session);
