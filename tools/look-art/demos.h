#pragma once
// Scenes that show a look's pictures cut, stretched and keyed as the controls use them.
#include "looks.h"

namespace art {

// `pictures` holds the look's pictures (at least those with its prefix).
Pictures Demos(const Look& look, const Pictures& pictures);

}  // namespace art
