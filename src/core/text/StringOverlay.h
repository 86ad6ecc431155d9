#pragma once
// The language bundle that LoadAppString consults before the built-in texts.
#include <memory>

#include "text/LanguageBundle.h"

namespace quenk {

// Installs pBundle (null: the built-in texts alone). Called from the interface thread;
// LoadAppString may run on any thread meanwhile and sees either the old or the new bundle.
void SetStringOverlay(std::shared_ptr<const CLanguageBundle> pBundle);
std::shared_ptr<const CLanguageBundle> GetStringOverlay();

}  // namespace quenk
