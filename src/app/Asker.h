#pragma once

// The Asker service lives with the other services the screens are given, so that screens can ask too.
#include "table/Services.h"
