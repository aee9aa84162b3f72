#include "settings/profile_session.h"

#include "settings/profile_defaults.h"

void StartSession(ProfileSession &session)
{
    LoadSettings(session.record, session.custom, session.currentArea);
    session.currentArea = kStartupArea;
    session.record.area = std::uint8_t(session.currentArea & 0xFF);
}
