#include "hotspot/handlers.h"

void ToggleHostedNetwork() {}
