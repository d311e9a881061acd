#pragma once
// The working environment as the program starts: today's date from the program's clock,
// the working year and month taken from it.

#include "core/working_environment.h"

WorkingEnvironment startEnvironment();
