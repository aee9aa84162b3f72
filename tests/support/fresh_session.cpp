#include "support/fresh_session.h"

#include "support/temp_env.h"

void startWithoutWorkingCopy(ProfileSession &session)
{
    const ScopedTempFolder empty;
    StartSession(session);
}
