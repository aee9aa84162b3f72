#pragma once

#include "settings/profile_session.h"

// Starts the session as a first start does: no working copy, so the defaults.
void startWithoutWorkingCopy(ProfileSession &session);
