#include "hotspot/handlers.h"

void ToggleAccessPoint() {}
