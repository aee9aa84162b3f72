#include "forms/profile_session.h"

#include "profile/profile_files.h"

void StartSession(ProfileSession &session)
{
    LoadWorkingCopy(session.record, session.custom, session.currentArea);
    session.currentArea = kStartupArea;
    session.record.area = std::uint8_t(session.currentArea & 0xFF);
}
