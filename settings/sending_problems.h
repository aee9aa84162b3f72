#pragma once

#include "profile/profile_record.h"

#include <QStringList>

// Why the camera could not send with these stored settings: one text per
// problem, naming what is empty and where to set it; none when it can. The
// page asks before it saves such settings, and `talmeris-profile check`
// reports them.
QStringList SendingProblems(const ProfileRecord &record);
