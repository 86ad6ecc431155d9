#pragma once
// The settings as the program stored them for this user, read without creating or changing
// anything; defaults where nothing usable is stored.
#include "settings/Settings.h"

namespace quenk {

CSettings LoadStoredSettings();

}  // namespace quenk
