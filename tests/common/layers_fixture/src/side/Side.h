#pragma once
// Runs sideways: the check must refuse it.
#include "high/Top.h"
