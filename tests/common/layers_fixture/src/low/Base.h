#pragma once
// Runs up a layer: the check must refuse it.
#include "high/Top.h"
